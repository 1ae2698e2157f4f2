#include "app/search/search_opener.h"

#include <QShortcut>
#include <QToolButton>

#include "app/configurator/configurator_page.h"
#include "app/search/search_icons.h"
#include "app/search/search_window.h"

namespace tarvek {
namespace {

constexpr int kButtonGap = 2;

}  // namespace

SearchOpener::SearchOpener(const SearchOpenerControls& controls, ConfiguratorPage& configurator)
    : QObject(controls.page), ui(controls), configurator_(configurator) {
    const QKeySequence keys(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
    auto* button = new QToolButton(ui.page);
    button->setObjectName(QStringLiteral("cmdFindByRequirement"));
    button->setAccessibleName(tr("Find by requirement"));
    button->setToolTip(tr("Find by requirement (%1)").arg(keys.toString(QKeySequence::NativeText)));
    button->setAutoRaise(true);
    button->setIcon(funnelIcon(button->palette().color(QPalette::ButtonText)));
    const QRect beside = ui.cmdFindPartNumber->geometry();
    button->setGeometry(beside.translated(beside.width() + kButtonGap, 0));
    button->setIconSize(ui.cmdFindPartNumber->iconSize());
    button->setFocusPolicy(ui.cmdFindPartNumber->focusPolicy());
    connect(button, &QToolButton::clicked, this, &SearchOpener::open);
    connect(new QShortcut(keys, ui.page->window()), &QShortcut::activated, this, &SearchOpener::open);
}

SearchWindow& SearchOpener::window() {
    if (!window_) {
        window_ = new SearchWindow(ui.page->window());
        connect(window_, &SearchWindow::configurationChosen, this,
                [this](const std::vector<ConfiguratorEvent>& events) {
                    configurator_.apply(events);
                    emit configuratorWanted();
                    QWidget* main = ui.page->window();
                    main->raise();
                    main->activateWindow();
                });
    }
    return *window_;
}

bool SearchOpener::opened() const { return !window_.isNull(); }

void SearchOpener::show() {
    SearchWindow& w = window();
    w.show();
    w.raise();
    w.activateWindow();
}

void SearchOpener::open() {
    show();
    window_->focusWords();
}

void SearchOpener::openForValves(std::optional<double> cv, std::optional<double> inletPsig) {
    window().findValves(cv, inletPsig);
    show();
}

}  // namespace tarvek
