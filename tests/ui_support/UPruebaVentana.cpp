#include "ui_support/UPruebaVentana.h"

#include "config/UAjustesUsuario.h"
#include "config/URegional.h"
#include "document/UCarpetaTrabajo.h"
#include "document/URecuperacion.h"
#include "document/UXMLProject.h"
#include "ortografia/UUbicacionDiccionarios.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

void TPruebaVentana::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(ajustes_.isValid());
    SetWorkingFolder(dir_.path());
    SetCarpetaAjustesUsuario(ajustes_.path());
    SetCarpetasDiccionarios({QStringLiteral(VELORN_DICCIONARIOS)});
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(','),
                                                             QStringLiteral("dd/MM/yyyy")));
    NewDialogs();
}

void TPruebaVentana::NewDialogs() {
    if (dialogs_ != nullptr) {
        EXPECT_EQ(dialogs_->PendingAnswers(), 0) << "scripted answers left unused";
    }
    auto dialogs = std::make_unique<TDialogosGuion>();
    dialogs_ = dialogs.get();
    SetDialogos(std::move(dialogs));
}

void TPruebaVentana::TearDown() {
    form_.reset();
    NewDialogs();
    dialogs_ = nullptr;
    SetRegional(nullptr);
    SetWorkingFolder(QString());
    SetCarpetaAjustesUsuario(QString());
    SetCarpetasDiccionarios({});
}

TForm1& TPruebaVentana::Open() {
    // A window still open ends as a normal close would, which leaves no recovery copy.
    if (form_) {
        form_.reset();
        TRecuperacion::Eliminar();
    }
    form_ = std::make_unique<TForm1>();
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    return *form_;
}

void TPruebaVentana::WriteFile(const QString& name, const QByteArray& content) const {
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TPruebaVentana::ReadFile(const QString& name) const {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

bool TPruebaVentana::Exists(const QString& name) const {
    return QFile::exists(PathOf(name));
}

QString TPruebaVentana::StoredAttribute(const QString& path, const QString& name) const {
    TXMLProject project(PathOf(QStringLiteral("proyecto.xml")));
    return project.GetAttribute(path, name, QStringLiteral("<none>"));
}

QString TPruebaVentana::StoredText(const QString& path) const {
    TXMLProject project(PathOf(QStringLiteral("proyecto.xml")));
    return project.GetText(path, QString());
}

void TPruebaVentana::ClickToolButton(const char* name) {
    if (auto* button = Find<QToolButton>(name))
        ClickWidget(button);
}

void TPruebaVentana::TriggerMenuItem(const char* name) {
    if (auto* action = Find<QAction>(name))
        action->trigger();
}

void TPruebaVentana::ClickWidget(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void TPruebaVentana::ClickSection(int index) {
    auto* list = Find<QListWidget>("seccionList");
    ASSERT_NE(list, nullptr);
    QListWidgetItem* item = list->item(index);
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void TPruebaVentana::Crash() {
    // Gone without closing: whatever the window left on disk stays as it is.
    form_.reset();
}
