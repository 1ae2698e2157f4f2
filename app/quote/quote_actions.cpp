#include "app/quote/quote_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QToolButton>

#include "app/configurator/configurator_page.h"
#include "app/controls.h"
#include "app/quote/print_preview.h"
#include "app/quote/quote_clipboard.h"
#include "app/quote/quote_icons.h"
#include "app/quote/quote_sheet.h"
#include "rules/quotes/quote.h"

namespace tarvek {
namespace {

constexpr int kButtonGap = 2;
constexpr int kIconMargin = 2;

// An action of the page: its shortcuts work while the page shows, and its tooltip names them.
QAction* pageAction(QWidget* page, const char* name, const QString& text, const QString& caption,
                    const QIcon& icon, QKeySequence::StandardKey keys) {
    auto* action = new QAction(icon, text, page);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);  // only while the page is visible
    action->setToolTip(caption + QStringLiteral(" (") +
                       action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    page->addAction(action);
    return action;
}

QToolButton* iconButton(QWidget* page, QAction* action, const char* name, const QString& accessibleName) {
    auto* button = new QToolButton(page);
    button->setObjectName(QLatin1String(name));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    button->setAccessibleName(accessibleName);
    return button;
}

}  // namespace

QuoteActions::QuoteActions(const ConfiguratorPage& configurator, const QuoteControls& controls)
    : QObject(controls.page), configurator_(configurator), ui_(controls) {
    const QString copyCaption = QStringLiteral("Copy quote"), printCaption = QStringLiteral("Print quote");
    copy_ = pageAction(ui_.page, "actCopyQuote", QStringLiteral("&Copy quote"), copyCaption, copyQuoteIcon(),
                       QKeySequence::Copy);
    print_ = pageAction(ui_.page, "actPrintQuote", QStringLiteral("&Print quote..."), printCaption,
                        printQuoteIcon(), QKeySequence::Print);
    connect(copy_, &QAction::triggered, this, &QuoteActions::copy);
    connect(print_, &QAction::triggered, this, &QuoteActions::print);

    ui_.lblPartNumber->setContextMenuPolicy(Qt::ActionsContextMenu);
    ui_.lblPartNumber->addActions({copy_, print_});

    cmdCopyQuote_ = iconButton(ui_.page, copy_, "cmdCopyQuote", copyCaption);
    cmdPrintQuote_ = iconButton(ui_.page, print_, "cmdPrintQuote", printCaption);
    QWidget::setTabOrder(ui_.before, cmdCopyQuote_);
    QWidget::setTabOrder(cmdCopyQuote_, cmdPrintQuote_);
    placeButtons();

    connect(&configurator_, &ConfiguratorPage::stateShown, this, &QuoteActions::enableFor);
    enableFor(configurator_.state());
    // Text boxes take Ctrl+C before any shortcut sees it; see eventFilter.
    QCoreApplication::instance()->installEventFilter(this);
}

void QuoteActions::copy() {
    if (canQuote(configurator_.state())) copyToClipboard(quoteOf(configurator_.state()));
}

void QuoteActions::print() {
    if (!canQuote(configurator_.state())) return;
    const QuoteSheet sheet = quoteSheet(configurator_.state(), QDate::currentDate());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qstr(sheet.quote.partNumber));
    showPrintPreview(ui_.page->window(), printer,
                     [&sheet](QPrinter* page) { printQuoteSheet(*page, sheet); });
}

QWidget* QuoteActions::lastButton() const { return cmdPrintQuote_; }

void QuoteActions::enableFor(const ConfiguratorState& state) {
    const bool quotable = canQuote(state);
    copy_->setEnabled(quotable);
    print_->setEnabled(quotable);
}

// Square buttons as high as the caption row, the last one ending where the part number ends.
void QuoteActions::placeButtons() {
    const QRect row = ui_.partNumberCaption->geometry();
    const int side = row.height(), right = ui_.lblPartNumber->geometry().right() + 1;
    cmdPrintQuote_->setGeometry(right - side, row.y(), side, side);
    cmdCopyQuote_->setGeometry(right - 2 * side - kButtonGap, row.y(), side, side);
    for (QToolButton* button : {cmdCopyQuote_, cmdPrintQuote_}) {
        button->setIconSize(QSize(side - 2 * kIconMargin, side - 2 * kIconMargin));
        button->raise();
    }
}

bool QuoteActions::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // A text box of the page claims Ctrl+C for itself even with nothing selected; then
            // the page's Ctrl+C copies the quote instead. A selection is still the box's to copy.
            auto* box = qobject_cast<QLineEdit*>(watched);
            return box && copy_->isEnabled() && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
                   !box->hasSelectedText() && ui_.page->isAncestorOf(box);
        }
        case QEvent::Move:
        case QEvent::Resize:
            // The buttons stay at the end of the caption row wherever the form puts it.
            if (watched == ui_.partNumberCaption || watched == ui_.lblPartNumber) placeButtons();
            return false;
        default:
            return false;
    }
}

}  // namespace tarvek
