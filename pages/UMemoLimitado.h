#pragma once

#include <QPlainTextEdit>

// A multi-line text field that takes at most a number of characters from the user: typing or
// pasting beyond the limit keeps only what fits, and a paste that lost characters says so. A
// longer text put in by the program is shown whole, and can then only shrink.
class TMemoLimitado : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TMemoLimitado(const QString& name, QWidget* parent = nullptr);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }

    // The text with the line breaks of the platform, whatever the stored ones were.
    void SetText(const QString& text);
    // Characters held, a line break counting as one.
    int Length() const { return int(document()->characterCount()) - 1; }

  private:
    void Limit();

    int maxLength_ = 0; // 0: no limit
    int length_ = 0;    // the length before the last change
    bool limiting_ = false;
};
