#pragma once

// A test of the whole program, started afresh for each test function (and by init() within
// one). A test class derives from it and prepares the program before its start and the
// screens after it in the two hooks.
#include "screentest.h"

#include <memory>

class ProgramTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<censaria::TestProgram> program_;

    virtual void beforeStart() {}
    virtual void afterStart() {}

protected slots:
    void init()
    {
        program_ = std::make_unique<censaria::TestProgram>();
        beforeStart();
        QVERIFY(program_->start());
        afterStart();
    }
    void cleanup() { program_.reset(); }
};
