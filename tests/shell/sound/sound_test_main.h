#pragma once

#include <QTest>

#include "sound_module.h"

// QTEST_MAIN for tests that play sounds through the sound module: the process ends the way the
// program's does, through endProcess. Application is QCoreApplication or QApplication.
#define TROVEN_SOUND_TEST_MAIN(TestObject, Application) \
    int main(int argc, char* argv[]) {                  \
        int status = 0;                                 \
        {                                               \
            QTEST_QAPP_SETUP(Application)               \
            TestObject tc;                              \
            QTEST_SET_MAIN_SOURCE_PATH                  \
            status = QTest::qExec(&tc, argc, argv);     \
        }                                               \
        troven::endProcess(status);                     \
    }
