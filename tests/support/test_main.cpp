// Test entry point: a QApplication (offscreen under ctest) and the data path set up.
#include <gtest/gtest.h>

#include <QApplication>

#include "core/ephemeris.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    hx::eph::SetEphePath(QCoreApplication::applicationDirPath());
    const int rc = RUN_ALL_TESTS();
    hx::eph::Close();
    return rc;
}
