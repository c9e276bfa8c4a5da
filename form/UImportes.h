#pragma once

#include <QString>

// Amount texts. Every money amount is kept, shown and stored as text in one canonical form
// (pattern "########0.##" with the regional decimal separator). All conversions between such
// texts and numbers go through these functions.

// Value rounded half away from zero at the second decimal (decided on the value's decimal
// digits, so 1.005 gives "1.01"), with at least one integer digit, no thousands separator,
// no trailing decimal zeros, no separator when no decimals remain and "-" for negatives;
// never "-0". Infinite and NaN values give "0", as they would not read back anyway.
QString FormatAmount(long double value);

// Reads a decimal number written with the regional decimal separator. Accepted: leading and
// trailing blanks (U+0020 only), an optional "+" or "-", ASCII digits with at most one
// separator and at least one digit on either side of it ("5", "5.", ".5"), and an optional
// exponent ("1e3", "2,5E-2"). Rejected: thousands separators, any other separator, non-ASCII
// digits, "inf"/"nan", hexadecimal, values beyond the range of long double. On failure value
// is left unchanged and the result is false.
bool ParseAmount(const QString& text, long double& value);

// An amount the user types into a budget line: ParseAmount's form without sign or exponent,
// and with at most two decimals, so a negative amount, "1e300" or "1,005" is refused.
bool ParseTypedAmount(const QString& text, long double& value);

// ParseAmount's value, or 0 when the text does not parse (the empty text included).
long double AmountValue(const QString& text);

// Value of an amount read back from a stored document. A stored amount has no thousands
// separator, so both "." and "," are taken as its decimal separator: the file may have been
// written under other regional settings than those in force. 0 when it does not parse.
// What the user types is read with ParseAmount instead, which knows the regional one only.
long double StoredAmountValue(const QString& text);

// Amount text of a + b, each read with AmountValue and added in long double. Running totals
// are built with it, so each partial sum is rounded before the next addition.
QString SumAmounts(const QString& a, const QString& b);
