#pragma once

#include "HostileSupport.h"
#include "TestInstallation.h"

#include <gtest/gtest.h>

#include <QStringList>

class CModels;

// An installation for hostile cases: a test installation whose tree is
// removed with fd-relative calls at the end, since some cases build trees
// deeper than any path the system accepts.
class HostileTest : public ::testing::Test {
protected:
    void TearDown() override { Hostile::RemoveTree(m_inst.NativeRoot()); }

    // The File of every record, joined by '|'.
    static std::string Files(const CModels& models);
    // The recorded messages, joined by '|'.
    std::string Messages();
    static std::string Text(const QString& text) { return text.toStdString(); }

    TestInstallation m_inst;
};

// Fails the test with the child's story when it did not finish.
#define EXPECT_ISOLATED_EQ(outcome, expected)                                   \
    do {                                                                        \
        const Hostile::Outcome& isolated_ = (outcome);                          \
        EXPECT_TRUE(isolated_.finished) << Hostile::Describe(isolated_);        \
        EXPECT_EQ(isolated_.text, std::string(expected));                       \
    } while (false)
