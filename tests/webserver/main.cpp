#include <QCoreApplication>

#include <gtest/gtest.h>

// The server runs in the test's own event loop, its clients beside it.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
