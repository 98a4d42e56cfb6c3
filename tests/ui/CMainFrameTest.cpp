#include "ui/CMainFrame.h"

#include <QTest>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(CMainFrameTest, OpensAndClosesCleanly)
{
    CMainFrame window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace gr2
