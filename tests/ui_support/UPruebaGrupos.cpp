#include "ui_support/UPruebaGrupos.h"

#include "support/UProyectoGrande.h"
#include "ui_support/UListaDesplegable.h"
#include "ui_support/UTeclado.h"

#include "document/UXMLProject.h"
#include "form/UGrupo.h"
#include "ids/UCuitWeb.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

namespace {

const QString kProyecto = QStringLiteral("proyecto.xml");

// Long texts are pasted, as a user does with a CV; short ones are typed.
constexpr int kTypedLength = 200;

void SelectAllAndDelete(QWidget* control) {
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_Delete);
}

void EnterText(QWidget* control, const QString& text) {
    SelectAllAndDelete(control);
    if (text.size() > kTypedLength) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
        return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(control, Qt::Key_Return);
        TypeText(control, lines.at(i));
    }
}

} // namespace

TForm1& TPruebaGrupos::OpenActive() {
    TForm1& form = Open();
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    return form;
}

QString TPruebaGrupos::ValidCuil(int number) {
    const QString cuil = TProyectoGrande::Cuil(number);
    EXPECT_TRUE(TCuitWeb().IsValidCuit(cuil)) << "no valid CUIL for " << number;
    return cuil;
}

TValores TPruebaGrupos::Requeridos(const QString& cuil, const QString& rol, const QString& nombre,
                                   const QString& apellido) {
    return {
        {"personaRolComboBox", rol},
        {"personaCuilEdit", cuil},
        {"personaNombreEdit", nombre},
        {"personaApellidoEdit", apellido},
        {"personaTipoDocumentoComboBox", "Documento Nacional de Identidad"},
        {"personaNroDocumentoEdit", cuil.mid(2, 8)},
        {"personaSexoComboBox", "Femenino"},
        {"personaPaisNacimientoComboBox", "Argentina"},
        {"personaProvinciaNacimientoComboBox", "Córdoba"},
        {"personaEstadoCivilComboBox", "Soltero/a"},
        {"personaLaboralPaisComboBox", "Argentina"},
        {"personaLaboralProvinciaComboBox", "Tucumán"},
        {"personaLaboralLocalidadEdit", "San Miguel"},
        {"personaLaboralCodPostalEdit", "4000"},
        {"personaLaboralCalleEdit", "Av. Roca 1800"},
        {"personaLaboralTelefonoEdit", "0381 4364093"},
        {"personaLaboralEmailEdit", "trabajo@unt.edu.ar"},
        {"personaParticularTelefonoEdit", "0381 155000000"},
        {"personaParticularEmailEdit", "casa@correo.com.ar"},
        {"personaCurricularCVMemo", "Licenciada en Biología."},
        {"personaCurricularTituloComboBox", "Doctorado"},
        {"personaCurricularFormacionMemo", "Doctorado en Ciencias Biológicas."},
        {"personaCurricularActividadesMemo", "Docencia e investigación."},
        {"personaCurricularAreaMemo", "Ecología."},
        {"personaEmpleador1OrganizacionEdit", "UNT"},
        {"personaEmpleador1CargoEdit", "Profesora adjunta"},
        {"personaEmpleador1DedicacionEdit", "40"},
    };
}

TValores TPruebaGrupos::With(TValores valores, const TValores& overrides) {
    for (const auto& override : overrides) {
        auto found = std::find_if(valores.begin(), valores.end(),
                                  [&](const auto& valor) { return valor.first == override.first; });
        if (found == valores.end())
            valores.append(override);
        else
            found->second = override.second;
    }
    return valores;
}

void TPruebaGrupos::Click(const char* button) {
    ClickWidget(Find<QPushButton>(button));
}

void TPruebaGrupos::Enter(const TValores& valores) {
    auto* scroll = Find<QScrollArea>("ScrollBox8");
    for (const auto& [name, value] : valores) {
        SCOPED_TRACE(name.toStdString());
        QWidget* control = Find<QWidget>(name.toLatin1().constData());
        ASSERT_NE(control, nullptr);
        scroll->ensureWidgetVisible(control);
        if (auto* pickList = qobject_cast<QComboBox*>(control)) {
            if (value.isEmpty())
                pickList->setCurrentIndex(-1);
            else
                PickItem(pickList, value);
        } else if (auto* picker = qobject_cast<QDateEdit*>(control)) {
            const QDate date = QDate::fromString(value, QStringLiteral("dd/MM/yyyy"));
            ASSERT_TRUE(date.isValid()) << value.toStdString();
            picker->setDate(date);
        } else {
            EnterText(control, value);
        }
        EXPECT_EQ(Shown(name), value);
    }
}

void TPruebaGrupos::AddPerson(const TValores& valores) {
    const size_t before = Dialogs().Shown().size();
    Click(ShownSheet() == "grupoResponsableTabSheet" ? "grupoResponsableNuevoButton"
                                                     : "grupoColaboradorNuevoButton");
    ASSERT_TRUE(PersonPageShown());
    Enter(valores);
    Click("grupoEditGuardarButton");
    EXPECT_EQ(Dialogs().Shown().size(), before) << "a dialog came up";
    EXPECT_FALSE(PersonPageShown());
}

bool TPruebaGrupos::PersonPageShown() {
    return ShownSheet() == "grupoEditTabSheet";
}

QString TPruebaGrupos::ShownSheet() {
    auto* pages = Find<QTabWidget>("grupoPageControl");
    return pages == nullptr ? QString() : pages->currentWidget()->objectName();
}

QString TPruebaGrupos::Shown(const QString& name) {
    QWidget* control = Find<QWidget>(name.toLatin1().constData());
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* pickList = qobject_cast<QComboBox*>(control))
        return pickList->currentText();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        return memo->toPlainText();
    if (auto* picker = qobject_cast<QDateEdit*>(control))
        return picker->date().toString(QStringLiteral("dd/MM/yyyy"));
    return QStringLiteral("<no control>");
}

QStringList TPruebaGrupos::GridRows(const char* name) {
    QStringList rows;
    auto* grid = Find<QTableWidget>(name);
    for (int row = 0; grid != nullptr && row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem* cell = grid->item(row, column);
            cells.append(cell == nullptr ? QString() : cell->text());
        }
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

int TPruebaGrupos::SelectedGridRow(const char* name) {
    auto* grid = Find<QTableWidget>(name);
    const QList<QTableWidgetItem*> selected = grid->selectedItems();
    EXPECT_EQ(grid->selectionModel()->selectedRows().size(), 1) << "one whole row selected";
    return selected.isEmpty() ? grid->currentRow() : selected.first()->row();
}

void TPruebaGrupos::SelectGridRow(const char* name, int row) {
    auto* grid = Find<QTableWidget>(name);
    ASSERT_LT(row, grid->rowCount());
    grid->scrollToItem(grid->item(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, 1)).center());
    EXPECT_EQ(grid->currentRow(), row);
}

QStringList TPruebaGrupos::StoredRows(const QString& grupo) const {
    TXMLProject project(PathOf(kProyecto));
    TGrupo group(project, grupo);
    QStringList rows;
    for (const QString& cuil : group.GetCuils()) {
        group.SelectParticipante(cuil);
        rows.append(QStringList{cuil, group.GetField("rol"), group.GetField("nombre"),
                                group.GetField("apellido")}
                        .join(QLatin1Char('|')));
    }
    project.Discard();
    return rows;
}

QStringList TPruebaGrupos::StoredElements(const QString& grupo, const QString& cuil) const {
    TXMLProject project(PathOf(kProyecto));
    TGrupo group(project, grupo);
    QStringList names;
    if (group.Contains(cuil)) {
        group.SelectParticipante(cuil);
        for (const TXMLNode& field : group.Participante().Children())
            names.append(field.Name());
    }
    project.Discard();
    return names;
}

QString TPruebaGrupos::StoredField(const QString& grupo, const QString& cuil,
                                   const QString& field) const {
    TXMLProject project(PathOf(kProyecto));
    TGrupo group(project, grupo);
    if (!group.Contains(cuil))
        return QStringLiteral("<no person>");
    group.SelectParticipante(cuil);
    const QString value = group.GetField(field);
    project.Discard();
    return value;
}
