// The command line and the standard folders read the application's name and version,
// which the program sets before anything else.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/About.h"

namespace {

class AppNames final : public testing::Environment {
public:
    void SetUp() override {
        QCoreApplication::setApplicationName(QStringLiteral("Marrowtide"));
        QCoreApplication::setApplicationVersion(app::Version());
    }
};

const testing::Environment* const kAppNames = testing::AddGlobalTestEnvironment(new AppNames);

}  // namespace
