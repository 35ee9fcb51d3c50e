// The command line and the standard folders need a QCoreApplication named as the program.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/About.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Marrowtide"));
    QCoreApplication::setApplicationVersion(app::Version());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
