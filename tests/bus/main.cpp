// The bus tests talk to the bus through Qt's D-Bus module as well as through
// gdbus and vornik --send; Qt's needs an application object.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
