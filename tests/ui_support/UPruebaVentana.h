#pragma once

#include "app/Unit1.h"
#include "ui_support/UDialogosGuion.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class QAction;
class QListWidget;

// A main window on a fresh temporary working folder, with scripted dialogs, fixed regional
// settings (dates "dd/MM/yyyy"), a user's settings folder of its own and the build's
// dictionaries.
class TPruebaVentana : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window (its start-up runs) and shows it. A window still open ends first, as
    // after a normal close.
    TForm1& Open();
    // The window ends as if the program had crashed: without its close sequence.
    void Crash();
    TForm1& Form() { return *form_; }

    QString PathOf(const QString& name) const { return dir_.filePath(name); }
    void WriteFile(const QString& name, const QByteArray& content) const;
    QByteArray ReadFile(const QString& name) const;
    bool Exists(const QString& name) const;
    // A value of the stored "proyecto.xml"; "<none>" for an attribute that is not there.
    QString StoredAttribute(const QString& path, const QString& name) const;
    QString StoredText(const QString& path) const;

    // A control of the window by its name; fails the test when it is missing.
    template <class T> T* Find(const char* name) {
        T* found = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }
    // Clicks the toolbar button or runs the menu item as the user would.
    void ClickToolButton(const char* name);
    void TriggerMenuItem(const char* name);
    void ClickWidget(QWidget* widget);
    void ClickSection(int index);

    TDialogosGuion& Dialogs() { return *dialogs_; }
    // Starts a fresh script and record, for one more case of a table.
    void NewDialogs();

    // The user's settings folder of the test: it outlives the window, as between two runs.
    QString SettingsPath(const QString& name) const { return ajustes_.filePath(name); }

  private:
    QTemporaryDir dir_;
    QTemporaryDir ajustes_;
    TDialogosGuion* dialogs_ = nullptr;
    std::unique_ptr<TForm1> form_;
};
