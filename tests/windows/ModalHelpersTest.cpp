// The window tests' own guard: a helper that cannot close its dialog must end the test at once
// rather than leave it waiting in the dialog's event loop.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>

#include "ModalHelpers.h"

namespace kiova::testing {
namespace {

TEST(ModalHelpers, AHelperThatCannotCloseItsDialogFailsAndClosesEveryModalWindow) {
    QDialog outer;
    QDialog inner(&outer);
    EXPECT_NONFATAL_FAILURE(
        {
            WhenOpen<QDialog>([&inner](QDialog&) {
                // Accepting does nothing here, as with a file dialog whose model still loads.
                WhenOpen<QDialog>([](QDialog&) {});
                inner.exec();
            });
            outer.exec();
        },
        "still open");
    EXPECT_FALSE(inner.isVisible());
    EXPECT_FALSE(outer.isVisible());
}

}  // namespace
}  // namespace kiova::testing
