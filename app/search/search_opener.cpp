#include "app/search/search_opener.h"

#include <QPainter>
#include <QShortcut>
#include <QToolButton>

#include "app/configurator/configurator_page.h"
#include "app/search/search_window.h"

namespace tarvek {
namespace {

constexpr int kButtonGap = 2;

// A funnel in the caption's colour, drawn at every size the desktop asks for.
QIcon funnelIcon(const QColor& colour) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, size / 10.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal s = size;
        const QPointF outline[] = {{s * 0.1, s * 0.15}, {s * 0.9, s * 0.15}, {s * 0.58, s * 0.52},
                                   {s * 0.58, s * 0.88}, {s * 0.42, s * 0.78}, {s * 0.42, s * 0.52}};
        painter.drawPolygon(outline, 6);
        icon.addPixmap(pixmap);
    }
    return icon;
}

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
