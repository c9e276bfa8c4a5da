#include "pages/UPaginaTextos.h"

#include "form/UListasCodigo.h"

#include <QListWidget>

TPaginaTextos::TPaginaTextos(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("textosTab"));

    struct TPar {
        const char* names;
        const char* codes;
        const TListaCodigos& list;
    };
    const TPar pairs[] = {
        {"areaTematicaTextListBox", "areaTematicaCodeListBox", ListaAreasTematicas()},
        {"provinciasNamesTListBox", "provinciasCodesTListBox", ListaProvincias()},
        {"TipoInstitucionNamesListBox", "TipoInstitucionCodesListBox", ListaTiposInstitucion()},
        {"TipoGestionNamesListBox", "TipoGestionCodesListBox", ListaTiposGestion()},
        {"RegionNamesListBox", "RegionCodesListBox", ListaRegiones()},
        {"areaPrioritariaNamesListBox", "areaPrioritariaCodesListBox", ListaAreasPrioritarias()},
        {"paisesNamesListBox", "paisesCodesListBox", ListaPaises()},
    };
    int column = 0;
    for (const TPar& pair : pairs) {
        AddList(QString::fromLatin1(pair.names), pair.list.Names(), 0, column);
        AddList(QString::fromLatin1(pair.codes), pair.list.Codes(), 1, column);
        ++column;
    }
    // The budget categories have names only.
    AddList(QStringLiteral("ListBox1"), RubrosPresupuesto(), 0, column);
}

void TPaginaTextos::AddList(const QString& name, const QStringList& items, int row, int column) {
    // No layout: the page is never shown and must not make the page control any wider.
    constexpr int kWidth = 120;
    constexpr int kHeight = 150;
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    list->addItems(items);
    list->setSortingEnabled(false);
    list->setGeometry(column * kWidth, row * kHeight, kWidth, kHeight);
}
