// A main() whose HOME and XDG_CONFIG_HOME lie in a temporary folder of this
// process, so that tests running in parallel never share a settings store.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#define TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestObject)                                              \
    int main(int argc, char *argv[])                                                                   \
    {                                                                                                  \
        QTemporaryDir home;                                                                            \
        if (!home.isValid())                                                                           \
            return 2;                                                                                  \
        qputenv("HOME", home.path().toLocal8Bit());                                                    \
        qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());          \
        QApplication app(argc, argv);                                                                  \
        TestObject test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                        \
    }
