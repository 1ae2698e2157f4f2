#include "app/configurator/part_number_finder.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <QToolButton>

#include "app/configurator/configurator_page.h"
#include "app/controls.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/quotes/quote.h"

namespace tarvek {
namespace {

// A magnifying glass in the caption's colour, drawn at every size the desktop asks for (a
// theme's icon would cost a search of the icon folders at every start).
QIcon magnifierIcon(const QColor& colour) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, size / 8.0, Qt::SolidLine, Qt::RoundCap));
        const qreal lens = size * 0.58;
        painter.drawEllipse(QRectF(size * 0.1, size * 0.1, lens, lens));
        painter.drawLine(QPointF(size * 0.62, size * 0.62), QPointF(size * 0.9, size * 0.9));
        icon.addPixmap(pixmap);
    }
    return icon;
}

bool isTextBox(QWidget* widget) { return qobject_cast<QLineEdit*>(widget) != nullptr; }

// The part number in pasted text: the line a copied quote gives it, else the first line.
QString partNumberIn(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString caption = qstr(kPartNumberCaption) + QLatin1Char(':');
    for (const QString& line : lines)
        if (line.trimmed().startsWith(caption)) return line.trimmed().mid(caption.size()).trimmed();
    return lines.isEmpty() ? QString() : lines.front().trimmed();
}

}  // namespace

PartNumberFinder::PartNumberFinder(const FinderControls& controls, ConfiguratorPage& configurator)
    : QObject(controls.page), ui(controls), configurator_(configurator) {
    ui.cmdFindPartNumber->setIcon(magnifierIcon(ui.cmdFindPartNumber->palette().color(QPalette::ButtonText)));
    connect(ui.cmdFindPartNumber, &QToolButton::clicked, this, &PartNumberFinder::focusField);
    connect(ui.txtFindPartNumber, &QLineEdit::returnPressed, this,
            [this] { find(ui.txtFindPartNumber->text()); });
    connect(ui.txtFindPartNumber, &QLineEdit::textEdited, ui.lblFindResult, &QLabel::clear);
    ui.txtFindPartNumber->installEventFilter(this);

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
}

void PartNumberFinder::pasteIntoField() {
    if (isTextBox(QApplication::focusWidget())) return;
    const QString number = partNumberIn(QApplication::clipboard()->text());
    if (number.isEmpty()) return;
    emit pageWanted();
    ui.txtFindPartNumber->setText(number);
    find(number);
}

bool PartNumberFinder::find(const QString& text) {
    const PartNumberDecoding decoded = partNumberDecoder().decode(stdstr(text));
    QString result;
    switch (decoded.status) {
        case PartNumberDecoding::Status::Unknown:
            result = qstr(decoded.explanation);
            break;
        case PartNumberDecoding::Status::Ambiguous:
            result = tr("%1 configurations give %2; the one with the fewest choices is set.")
                         .arg(decoded.configurations.size())
                         .arg(qstr(decoded.partNumber));
            break;
        case PartNumberDecoding::Status::Ok:
            result = tr("%1 is set.").arg(qstr(decoded.configurations.front().state.partNumber));
            break;
    }
    if (!decoded.configurations.empty()) configurator_.apply(decoded.configurations.front().events);
    ui.lblFindResult->setText(result);
    ui.lblFindResult->setToolTip(result);
    ui.lblFindResult->setAccessibleDescription(result);
    return !decoded.configurations.empty();
}

// Escape leaves the field for where the user was before it.
bool PartNumberFinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.txtFindPartNumber && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        ui.lblFindResult->clear();
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
