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
#include <string>
#include <vector>

#include "app/configurator/configurator_page.h"
#include "app/controls.h"
#include "app/search/search_icons.h"
#include "rules/part_numbers/find_answer.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/part_numbers/pasted_part_numbers.h"

namespace tarvek {
namespace {

bool isTextBox(QWidget* widget) { return qobject_cast<QLineEdit*>(widget) != nullptr; }

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
    // Several lines pasted into the field are not joined into one number: the first is looked up.
    connect(ui.txtFindPartNumber, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.contains(QLatin1Char('\n')))
            lookUpPaste(text);
        else
            showResult({});
    });
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
    const QString pasted = QApplication::clipboard()->text();
    if (partNumbersInPaste(stdstr(pasted)).empty()) return;
    emit pageWanted();
    lookUpPaste(pasted);
}

// The first part number of a paste is looked up; the answer says how many more it held, and
// the window may offer to put them all on the quote.
void PartNumberFinder::lookUpPaste(const QString& pasted) {
    const std::vector<std::string> numbers = partNumbersInPaste(stdstr(pasted));
    if (numbers.empty()) return;
    ui.txtFindPartNumber->setText(qstr(numbers.front()));
    find(qstr(numbers.front()));
    if (numbers.size() > 1) {
        showResult(qstr(answerToPaste(stdstr(ui.lblFindResult->text()), numbers.size() - 1)));
        emit severalPasted(pasted, int(numbers.size()));
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
