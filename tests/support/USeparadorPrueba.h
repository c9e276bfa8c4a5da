#pragma once

#include "config/URegional.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>

// A test run once with "." and once with "," as the regional decimal separator. Amounts in
// the tests are written with "."; Local puts in the separator in force, and "~" stands for
// the other one (a text written under other regional settings).
class TPruebaConSeparador : public ::testing::TestWithParam<char> {
  protected:
    void SetUp() override {
        SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(GetParam()),
                                                                 QStringLiteral("dd/MM/yyyy")));
    }
    void TearDown() override { SetRegional(nullptr); }

    QString Local(const char* text) const {
        const char other = GetParam() == '.' ? ',' : '.';
        QString result = QString::fromUtf8(text);
        for (QChar& c : result) {
            if (c == QLatin1Char('.'))
                c = QLatin1Char(GetParam());
            else if (c == QLatin1Char('~'))
                c = QLatin1Char(other);
        }
        return result;
    }
};
