#include "app/calculator/sizing_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/calculator/calculator_page.h"
#include "app/controls.h"
#include "rules/calculator/sizing_text.h"

namespace tarvek {
namespace {

template <typename Entries, typename Text>
void fill(QComboBox* list, const Entries& entries, Text text) {
    for (const auto entry : entries) list->addItem(qstr(text(entry)));
}

void setIndex(QComboBox* list, int index) {
    if (list->currentIndex() != index) list->setCurrentIndex(index);
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

}  // namespace

SizingView::SizingView(CalculatorPage& calculator, const QWidget& page)
    : QObject(&calculator), calculator_(calculator), ui(findSizingControls(page)) {
    fill(ui.unknown, kSizingUnknowns, [](SizingUnknown u) { return unknownText(u); });
    fill(ui.temperatureUnit, kTemperatureUnits, [](TemperatureUnit u) { return unitText(u); });
    fill(ui.pressureUnit, kPressureUnits, [](PressureUnit u) { return unitText(u); });
    fill(ui.flowUnit, kFlowUnits, [](FlowUnit u) { return unitText(u); });
    for (int i = 0; i < ui.flowUnit->count(); ++i)
        ui.flowUnit->setItemData(i, qstr(unitTextWithConditions(kFlowUnits[std::size_t(i)])),
                                 Qt::ToolTipRole);
    connectControls();
    connect(&calculator, &CalculatorPage::stateShown, this, &SizingView::show);
}

// As the calculator's own controls: a list's `activated` is the user's choice alone, an
// option button acts when it is checked, a box's every change of text goes to the model.
void SizingView::connectControls() {
    for (std::size_t i = 0; i < ui.methods.size(); ++i)
        connect(
            ui.methods[i], &QAbstractButton::toggled, this, [this, method = CalculationMethod(i)](bool on) {
                if (on)
                    calculator_.apply(
                        [method](Calculator& c) -> const CalculatorState& { return c.chooseMethod(method); });
            });
    connect(ui.unknown, &QComboBox::activated, this, [this](int entry) {
        calculator_.apply([entry](Calculator& c) -> const CalculatorState& {
            return c.chooseUnknown(kSizingUnknowns[std::size_t(entry)]);
        });
    });
    connect(ui.temperatureUnit, &QComboBox::activated, this, [this](int entry) {
        calculator_.apply([entry](Calculator& c) -> const CalculatorState& {
            return c.chooseTemperatureUnit(kTemperatureUnits[std::size_t(entry)]);
        });
    });
    connect(ui.pressureUnit, &QComboBox::activated, this, [this](int entry) {
        calculator_.apply([entry](Calculator& c) -> const CalculatorState& {
            return c.choosePressureUnit(kPressureUnits[std::size_t(entry)]);
        });
    });
    connect(ui.flowUnit, &QComboBox::activated, this, [this](int entry) {
        calculator_.apply([entry](Calculator& c) -> const CalculatorState& {
            return c.chooseFlowUnit(kFlowUnits[std::size_t(entry)]);
        });
    });
    for (const SizingBoxControlName& name : kSizingBoxControlNames)
        connect(ui.box(name.box), &QLineEdit::textChanged, this, [this, box = name.box](const QString& text) {
            calculator_.apply([box, typed = stdstr(text)](Calculator& c) -> const CalculatorState& {
                return c.typeSizing(box, typed);
            });
        });
}

// Touches only what differs; the boxes and option buttons are written with their signals
// blocked. The page has shown the warning of a refusal already; the focus comes last.
void SizingView::show(const CalculatorState& s) {
    {
        const QSignalBlocker quietCatalogue(ui.methods[0]), quietIec(ui.methods[1]);
        QRadioButton* chosen = ui.methods[std::size_t(s.method)];
        if (!chosen->isChecked()) chosen->setChecked(true);
    }
    const bool sizing = s.method == CalculationMethod::Iec;
    if (ui.frame->isEnabled() != sizing) ui.frame->setEnabled(sizing);
    setIndex(ui.unknown, int(s.sizing.unknown));
    setIndex(ui.temperatureUnit, int(s.sizing.units.temperature));
    setIndex(ui.pressureUnit, int(s.sizing.units.pressure));
    setIndex(ui.flowUnit, int(s.sizing.units.flow));
    setText(ui.outletUnit, qstr(unitText(s.sizing.units.pressure)));
    showBoxes(s.sizing);
    showResult(s);
    if (s.sizingFocus) ui.box(*s.sizingFocus)->setFocus();
}

void SizingView::showBoxes(const SizingState& sizing) {
    for (const SizingBoxControlName& name : kSizingBoxControlNames) {
        QLineEdit* box = ui.box(name.box);
        const QString text = qstr(sizing.box(name.box));
        if (box->text() != text) {
            const QSignalBlocker quiet(box);
            box->setText(text);
        }
        // The unknown's box shows the result, in bold as the calculator's results are: read
        // (and copied), not typed, and passed over by Tab.
        const bool readOnly = !sizing.typed(name.box);
        if (box->isReadOnly() != readOnly) {
            box->setReadOnly(readOnly);
            box->setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
            QFont font = box->font();
            font.setBold(readOnly);
            box->setFont(font);
        }
    }
}

void SizingView::showResult(const CalculatorState& s) {
    const SizingOutcome& outcome = s.sizing.outcome;
    const bool shown = s.method == CalculationMethod::Iec && s.sizing.calculations > 0;
    setShown(ui.choked, shown && outcome.ok() && outcome.sizing->choked);
    QString details, equivalents;
    if (shown && outcome.ok()) {
        details = qstr(sizingFactorsText(*outcome.sizing)) + QLatin1Char('\n') +
                  qstr(flowRegimeText(*outcome.sizing));
        for (const std::string& line : flowEquivalents(outcome, s.sizing.units.flow))
            equivalents += (equivalents.isEmpty() ? QString() : QStringLiteral("\n")) + qstr(line);
    } else if (shown) {
        details = qstr(sizingStatusText(outcome, s.sizing.units));
    }
    setText(ui.details, details);
    setText(ui.equivalents, equivalents);
}

}  // namespace tarvek
