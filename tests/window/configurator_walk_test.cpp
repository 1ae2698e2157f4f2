// Walks every configuration a user can make in the window and checks, after every click,
// that the window shows exactly what a configurator given the same clicks holds: the
// wiring of every list and option. The rules themselves are walked on the configurator
// alone, in the unit tests.
#include "tests/support/configurator_walk.h"

#include <QElapsedTimer>

#include "tests/window/shows_state.h"
#include "tests/window/window_driver.h"

namespace {

using namespace tarvek;

TEST(ConfiguratorWalk, TheWindowShowsTheConfiguratorAfterEveryClick) {
    WindowDriver d;
    Configurator mirror;  // the same clicks on a configurator of its own
    tarvek::testing::ShownState shows(d.window);
    ASSERT_TRUE(shows(mirror.state())) << "at start";
    tarvek::testing::ConfiguratorWalk walk(d.window);
    std::set<std::string> configurations;
    walk.afterClick = [&](const tarvek::testing::Click& click) {
        if (::testing::Test::HasFatalFailure()) return;
        tarvek::testing::replay(mirror, click);
        ASSERT_TRUE(shows(mirror.state())) << controlOf(click) << ' ' << click.entry;
        configurations.insert(mirror.state().partNumber + " $" +
                              tarvek::listPriceText(mirror.state().listPrice));
    };
    QElapsedTimer timer;
    timer.start();
    walk.run();
    std::printf("walked %ld clicks over %zu distinct configurations in %.1f s\n", walk.clicks(),
                configurations.size(), timer.elapsed() / 1000.0);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
}

}  // namespace
