#include "app/search/valves_for_flow.h"

#include <QLabel>
#include <QToolButton>

#include "app/calculator/calculator_page.h"
#include "app/controls.h"
#include "app/search/search_icons.h"
#include "app/search/search_opener.h"
#include "rules/calculator/calculator_page_texts.h"
#include "rules/calculator/valve_requirement.h"

namespace tarvek {
ValvesForFlow::ValvesForFlow(QWidget* calculateFrame, QLabel* chokedFlow, QWidget* firstMode,
                             QWidget* lastBox, const CalculatorPage& calculator, SearchOpener& search)
    : QObject(calculateFrame),
      calculator_(calculator),
      search_(search),
      button_(new QToolButton(calculateFrame)) {
    button_->setObjectName(QStringLiteral("cmdValvesForFlow"));
    button_->setText(qstr(technical_page::kValvesForFlow));
    button_->setAccessibleName(tr("Valves for this flow"));
    button_->setToolTip(qstr(technical_page::kValvesForFlowHint));
    button_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button_->setAutoRaise(true);
    QFont regular = button_->font();
    regular.setBold(false);
    button_->setFont(regular);
    button_->setIcon(funnelIcon(button_->palette().color(QPalette::ButtonText)));
    // Inside the frame's border, clear of the mode below it, from the modes' left edge.
    calculateFrame->ensurePolished();
    const int top = calculateFrame->contentsRect().top() + 1;
    const int height = std::min(chokedFlow->height(), firstMode->geometry().y() - top);
    button_->setIconSize(QSize(height - 4, height - 4));
    button_->setGeometry(firstMode->geometry().x(), top, button_->sizeHint().width(), height);
    QWidget::setTabOrder(lastBox, button_);
    connect(button_, &QToolButton::clicked, this, &ValvesForFlow::open);
    connect(&calculator_, &CalculatorPage::stateShown, this, &ValvesForFlow::enableFor);
    enableFor(calculator_.state());
}

void ValvesForFlow::enableFor(const CalculatorState& state) {
    button_->setEnabled(valveRequirement(state).has_value());
}

void ValvesForFlow::open() {
    const std::optional<ValveRequirement> needed = valveRequirement(calculator_.state());
    if (!needed) return;
    search_.openForValves(needed->cv, needed->inletPsig);
}

}  // namespace tarvek
