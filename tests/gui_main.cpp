// main() of the GUI test programs: one QApplication for all the cases of the program.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // ctest sets the offscreen platform; test discovery and a run by hand get it here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
