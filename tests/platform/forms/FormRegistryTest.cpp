#include "TestWindows.h"
#include "tests/support/ProgramFolder.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

using namespace tests;

namespace {

class FormRegistryTest : public PlatformTest {
protected:
    ~FormRegistryTest() override { forms::setMdiArea(nullptr); }
};

TEST_F(FormRegistryTest, TheFirstTouchLoadsOneSharedInstanceAndAnUnloadEndsIt) {
    EXPECT_FALSE(forms::isLoaded<CountingWindow>());
    auto& first = forms::get<CountingWindow>();
    EXPECT_EQ(&forms::get<CountingWindow>(), &first);
    EXPECT_EQ(first.loads, 1);
    first.setText(txtName, "typed");
    forms::unload<CountingWindow>();
    EXPECT_FALSE(forms::isLoaded<CountingWindow>());
    forms::unload<CountingWindow>();   // nothing loaded: nothing to do
    // Nothing of the old instance survives into the next.
    auto& second = forms::get<CountingWindow>();
    EXPECT_EQ(second.loads, 1);
    EXPECT_EQ(second.unloads, 0);
    EXPECT_EQ(second.text(txtName), "");
}

TEST_F(FormRegistryTest, AFailedLoadReachesTheToucherAndTheNextTouchLoadsAfresh) {
    CountingWindow::failLoad = true;
    EXPECT_THROW(forms::get<CountingWindow>(), std::runtime_error);
    CountingWindow::failLoad = false;
    EXPECT_FALSE(forms::isLoaded<CountingWindow>());
    EXPECT_EQ(forms::get<CountingWindow>().loads, 1);
}

TEST_F(FormRegistryTest, ClosingTheMainWindowUnloadsItsChildrenButQuitUnloadsNothing) {
    auto& child = forms::get<CountingWindow>();
    auto& service = forms::get<ServiceWindow>();
    ServiceWindow::unloads = 0;
    child.failUnload = true;
    forms::get<OtherWindow>();
    forms::unloadAllChildren();
    EXPECT_EQ(child.unloads, 1);
    EXPECT_EQ(services.boxes.shown.size(), 1u);   // the failing unload is reported, the others go on
    EXPECT_FALSE(forms::isLoaded<CountingWindow>());
    EXPECT_FALSE(forms::isLoaded<OtherWindow>());
    EXPECT_TRUE(forms::isLoaded<ServiceWindow>());   // not a child of the main window

    QPointer<ServiceWindow> serviceAlive(&service);
    QPointer<CountingWindow> unloaded(&child);
    EXPECT_FALSE(unloaded.isNull());   // deleted later: a handler of its own may be running
    forms::destroyAll();
    EXPECT_EQ(ServiceWindow::unloads, 0);
    EXPECT_TRUE(serviceAlive.isNull());
    EXPECT_TRUE(unloaded.isNull());
    EXPECT_FALSE(forms::isLoaded<ServiceWindow>());
}

TEST_F(FormRegistryTest, AChildWindowShowsOnceInTheAreaPlacedInTwipsAndClosingItUnloadsIt) {
    QMdiArea area;
    area.resize(1000, 800);
    forms::setMdiArea(&area);
    auto& window = forms::get<CountingWindow>();
    window.setTwipsTop(1200);
    window.setTwipsLeft(2500);
    window.setTwipsHeight(5000);
    window.showWindow();
    window.showWindow();   // brought forward, not added again
    ASSERT_EQ(area.subWindowList().size(), 1);
    QMdiSubWindow* sub = area.subWindowList().front();
    EXPECT_EQ(sub->widget(), &window);
    EXPECT_EQ(sub->pos(), QPoint(166, 80));
    // The height set in code is the whole window's; the client is what the frame leaves.
    EXPECT_EQ(sub->height(), 333);
    EXPECT_EQ(window.height(), 333 - sub->contentsMargins().top() - sub->contentsMargins().bottom());
    EXPECT_GT(sub->contentsMargins().top(), sub->contentsMargins().bottom());   // a title bar
    EXPECT_EQ(window.width(), forms::px(9600));   // not set in code: the design's client width
    window.setTwipsLeft(0);
    EXPECT_EQ(sub->pos(), QPoint(0, 80));

    window.hideWindow();
    EXPECT_TRUE(sub->isHidden());
    EXPECT_TRUE(forms::isLoaded<CountingWindow>());

    window.showWindow();
    sub->close();
    EXPECT_EQ(window.unloads, 1);
    EXPECT_FALSE(forms::isLoaded<CountingWindow>());
}

}  // namespace
