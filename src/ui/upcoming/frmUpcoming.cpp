#include "ui/upcoming/frmUpcoming.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <iterator>

#include "age/AgeCalc.h"
#include "platform/qt/ToolWindowKeys.h"
#include "platform/qt/list/ListView.h"
#include "ui/upcoming/UpcomingModel.h"
#include "ui/upcoming/UpcomingSettings.h"

namespace {
constexpr int kGap = 8;  // pixels between the owner and this window
constexpr QSize kSize(480, 300);
}  // namespace

frmUpcoming::frmUpcoming(QWidget* owner, const platform::ListView& list,
                         const platform::ImageList& images)
    : QWidget(owner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      list_(list),
      model_(new upcoming::UpcomingModel(images, this)),
      days_(new QSpinBox(this)),
      stack_(new QStackedWidget(this)),
      people_(new QTreeView(stack_)),
      nobody_(new QLabel(stack_)) {
    setObjectName(QStringLiteral("frmUpcoming"));
    setWindowTitle(tr("Upcoming Birthdays"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    new platform::ToolWindowKeys(*this);  // keys stay here; Esc closes only this window
    resize(kSize);

    days_->setObjectName(QStringLiteral("spnDays"));
    days_->setRange(0, upcoming::kMaxDays);
    days_->setValue(upcoming::DaysAhead());
    auto* caption = new QLabel(tr("&Days ahead:"), this);
    caption->setBuddy(days_);

    people_->setObjectName(QStringLiteral("lvwUpcoming"));
    people_->setModel(model_);
    people_->setRootIsDecorated(false);
    people_->setUniformRowHeights(true);
    people_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    people_->setSelectionBehavior(QAbstractItemView::SelectRows);
    people_->setAllColumnsShowFocus(true);
    people_->header()->setStretchLastSection(true);
    // Fixed widths that fit the texts: measuring them would read every row.
    const int widths[] = {125, 80, 85, 65};
    for (int column = 0; column < static_cast<int>(std::size(widths)); ++column)
        people_->header()->resizeSection(column, widths[column]);
    nobody_->setObjectName(QStringLiteral("lblNobody"));
    nobody_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    stack_->addWidget(people_);
    stack_->addWidget(nobody_);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(days_);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(stack_);

    connect(days_, &QSpinBox::valueChanged, this, &frmUpcoming::onDaysChanged);
    connect(people_, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { requestEdit(index.row()); });
    // The owner hidden by the program (closing, not minimising) takes this window along.
    if (owner) owner->installEventFilter(this);
    refresh();
}

void frmUpcoming::refresh() {
    const int days = days_->value();
    model_->fill(list_.storedRows(), modAgeCalc::TodaySerial(), days);
    const bool empty = model_->rowCount() == 0;
    const QString nobody = days == 0   ? tr("Nobody has a birthday today.")
                           : days == 1 ? tr("Nobody has a birthday in the next %1 day.")
                                       : tr("Nobody has a birthday in the next %1 days.");
    nobody_->setText(days == 0 ? nobody : nobody.arg(days));
    stack_->setCurrentWidget(empty ? static_cast<QWidget*>(nobody_) : people_);
}

void frmUpcoming::onDaysChanged(int days) {
    upcoming::SaveDaysAhead(days);
    refresh();
}

void frmUpcoming::requestEdit(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const upcoming::UpcomingModel::Person person = model_->person(row);
    emit editRequested(person.key, person.name, person.birth, person.comments, person.stamp);
}

// A tool window's shortcuts are its owner's: without this, Esc, Del or F2 pressed here
// would close, delete or add in the main window. Claiming every key before the
// shortcuts see it sends it here as a plain key press instead.
void frmUpcoming::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (people_->currentIndex().isValid()) requestEdit(people_->currentIndex().row());
            return;
        default:
            event->accept();  // nothing goes on to the owner
    }
}

bool frmUpcoming::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return QWidget::eventFilter(watched, event);
}

void frmUpcoming::placeBesideOwner() {
    const QWidget* owner = parentWidget();
    if (!owner) return;
    const QRect area = owner->frameGeometry();
    const QSize outer = frameGeometry().size();
    const QRect screen = owner->screen() ? owner->screen()->availableGeometry() : QRect();
    int x = area.right() + 1 + kGap;
    if (screen.isValid() && x + outer.width() > screen.right() + 1)
        x = std::max(screen.left(), area.left() - kGap - outer.width());
    move(x, area.top());
}
