#include "app/configurator/part_number_finder.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>

#include "app/configurator/configurator_page.h"
#include "app/controls.h"
#include "app/search/search_icons.h"
#include "rules/part_numbers/find_answer.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/quotes/quote.h"

namespace tarvek {
namespace {

bool isTextBox(QWidget* widget) { return qobject_cast<QLineEdit*>(widget) != nullptr; }

// The part numbers in pasted text: the one a copied quote gives, else every line that holds something.
QStringList partNumbersIn(const QString& text) {
    QStringList numbers;
    const QString caption = qstr(kPartNumberCaption) + QLatin1Char(':');
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString number = line.trimmed();
        if (number.startsWith(caption)) return {number.mid(caption.size()).trimmed()};
        if (!number.isEmpty()) numbers.append(number);
    }
    return numbers;
}

// The scroll area the form lies in on a screen too small for it, if any.
QScrollArea* scrollAreaAround(QWidget* widget) {
    for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w)) return area;
    return nullptr;
}

}  // namespace

PartNumberFinder::PartNumberFinder(const FinderControls& controls, ConfiguratorPage& configurator)
    : QObject(controls.page), ui(controls), configurator_(configurator) {
    ui.cmdFindPartNumber->setIcon(magnifierIcon(ui.cmdFindPartNumber->palette().color(QPalette::ButtonText)));
    connect(ui.cmdFindPartNumber, &QToolButton::clicked, this, &PartNumberFinder::focusField);
    connect(ui.txtFindPartNumber, &QLineEdit::returnPressed, this,
            [this] { find(ui.txtFindPartNumber->text()); });
    connect(ui.txtFindPartNumber, &QLineEdit::textEdited, this, [this] { showResult({}); });
    ui.txtFindPartNumber->installEventFilter(this);
    // The answer beside the field can be read whole: it grows upwards over the page as far as
    // its text needs, and the keyboard and a screen reader reach it after the field.
    resultHome_ = ui.lblFindResult->geometry();
    ui.lblFindResult->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui.lblFindResult->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(ui.txtFindPartNumber, ui.lblFindResult);
    ui.lblFindResult->setFocusPolicy(Qt::NoFocus);  // until it holds an answer
    ui.lblFindResult->installEventFilter(this);

    QWidget* window = ui.page->window();
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_L)})
        connect(new QShortcut(keys, window), &QShortcut::activated, this, [this] {
            emit pageWanted();
            focusField();
        });
    // A paste on the page, outside a text box (which pastes into itself), looks the number up.
    auto* paste =
        new QShortcut(QKeySequence::Paste, ui.page, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(paste, &QShortcut::activated, this, &PartNumberFinder::pasteIntoField);
}

void PartNumberFinder::focusField() {
    if (QWidget* focus = QApplication::focusWidget(); focus && focus != ui.txtFindPartNumber)
        focusBefore_ = focus;
    ui.txtFindPartNumber->setFocus(Qt::ShortcutFocusReason);
    ui.txtFindPartNumber->selectAll();
    bringIntoView();
}

// On a screen too small for the form the field may lie scrolled out of sight: the user
// would type blind.
void PartNumberFinder::bringIntoView() {
    if (QScrollArea* area = scrollAreaAround(ui.txtFindPartNumber)) {
        // Without margins: on the smallest screens the two only just fit side by side.
        area->ensureWidgetVisible(ui.lblFindResult, 0, 0);
        area->ensureWidgetVisible(ui.txtFindPartNumber, 0, 0);
    }
}

void PartNumberFinder::pasteIntoField() {
    if (isTextBox(QApplication::focusWidget())) return;
    const QStringList numbers = partNumbersIn(QApplication::clipboard()->text());
    if (numbers.isEmpty()) return;
    emit pageWanted();
    ui.txtFindPartNumber->setText(numbers.front());
    find(numbers.front());
    if (numbers.size() > 1) {
        showResult(ui.lblFindResult->text() + QLatin1Char(' ') +
                   (numbers.size() == 2
                        ? tr("1 more line of the paste was left: the field looks up one number.")
                        : tr("%1 more lines of the paste were left: the field looks up one number.")
                              .arg(numbers.size() - 1)));
        emit severalPasted(QApplication::clipboard()->text(), int(numbers.size()));
    }
}

void PartNumberFinder::showResult(const QString& text) {
    QLabel* label = ui.lblFindResult;
    label->setText(text);
    label->setToolTip(text);
    label->setAccessibleDescription(text);
    label->setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    // As high as the text needs, framed, growing upwards from its own place, never above the page.
    label->setFrameShape(QFrame::NoFrame);
    const bool grown = label->heightForWidth(resultHome_.width()) > resultHome_.height();
    if (grown) label->setFrameShape(QFrame::StyledPanel);
    label->setAlignment(Qt::AlignLeft | (grown ? Qt::AlignTop : Qt::AlignVCenter));
    const int height = std::clamp(label->heightForWidth(resultHome_.width()), resultHome_.height(),
                                  resultHome_.bottom() + 1);
    label->setGeometry(resultHome_.left(), resultHome_.bottom() + 1 - height, resultHome_.width(), height);
    label->setAutoFillBackground(grown);  // covers the page below it while it is grown
    if (grown) label->raise();
    bringIntoView();
}

bool PartNumberFinder::find(const QString& text) {
    const PartNumberDecoding decoded = partNumberDecoder().decode(stdstr(text));
    if (!decoded.configurations.empty()) configurator_.apply(decoded.configurations.front().events);
    showResult(qstr(findAnswer(decoded)));
    return !decoded.configurations.empty();
}

// Escape leaves the field (or its answer) for where the user was before it.
bool PartNumberFinder::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == ui.txtFindPartNumber || watched == ui.lblFindResult) &&
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        showResult({});
        QWidget* back = focusBefore_ && focusBefore_->isVisible() && focusBefore_->isEnabled()
                            ? focusBefore_.data()
                            : nullptr;
        if (back)
            back->setFocus(Qt::OtherFocusReason);
        else
            ui.txtFindPartNumber->previousInFocusChain()->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvek
