#include "document/UCarpetaTrabajo.h"

#include <gtest/gtest.h>

TEST(WorkingFolder, OverrideAlwaysEndsWithSeparator) {
    SetWorkingFolder(QStringLiteral("/tmp/velorn-a"));
    EXPECT_EQ(WorkingFolder(), QStringLiteral("/tmp/velorn-a/"));
    SetWorkingFolder(QStringLiteral("/tmp/velorn-b/"));
    EXPECT_EQ(WorkingFolder(), QStringLiteral("/tmp/velorn-b/"));
    SetWorkingFolder(QString());
    EXPECT_TRUE(WorkingFolder().endsWith(QLatin1Char('/')));
}
