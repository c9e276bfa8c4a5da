#include "rules/URestricciones.h"

#include "config/UConfiguracion.h"
#include "config/URegional.h"
#include "document/UXMLProject.h"
#include "support/UProyectoPrueba.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const QString kProperties = QStringLiteral("project/document/properties/");
const QString kBody = QStringLiteral("project/document/body/section-break/");
const QString kConvocatoria = QStringLiteral("project/document/properties/convocatoria/");
const QString kPresupuesto = QStringLiteral("project/document/properties/presupuesto/");
const QString kCuilInvalido =
    QStringLiteral("El cuil de la Institución Beneficiaria no es válido.");

// A project in a temporary working folder with a configuration of four calls.
class RestriccionesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta_.IsValid());
        carpeta_.WriteConfig();
        configuracion_ = std::make_unique<TConfiguracion>();
        configuracion_->Open();
        document_ = std::make_unique<TXMLProject>(carpeta_.ProyectoPath());
    }
    void TearDown() override { SetRegional(nullptr); }

    QStringList CheckAll() {
        THallazgos list;
        TRestricciones().CheckAll(*document_, list, *configuracion_);
        return list.Mensajes();
    }
    void Complete(QChar separator = QLatin1Char('.')) {
        FillCompleteProject(*document_, carpeta_, separator);
    }
    void SetCall(const QString& caption) {
        document_->SetAttribute(kConvocatoria, QStringLiteral("doc-name"), caption);
    }

    TCarpetaPrueba carpeta_;
    std::unique_ptr<TConfiguracion> configuracion_;
    std::unique_ptr<TXMLProject> document_;
};

QString Joined(const QStringList& list) {
    return list.join(QStringLiteral("\n"));
}

} // namespace

// A project that passes, stored and read back as Verify does, under either separator and also
// read under the separator it was not written with.
TEST_F(RestriccionesTest, ACompleteProjectPasses) {
    for (const char written : {'.', ','}) {
        for (const char regional : {'.', ','}) {
            SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(regional),
                                                                     QStringLiteral("dd/MM/yyyy")));
            QFile::remove(carpeta_.ProyectoPath());
            {
                TXMLProject stored(carpeta_.ProyectoPath());
                FillCompleteProject(stored, carpeta_, QLatin1Char(written));
                stored.Save(true);
            }
            document_ = std::make_unique<TXMLProject>(carpeta_.ProyectoPath());
            EXPECT_EQ(Joined(CheckAll()), QString())
                << "written with " << written << ", read with " << regional;
            EXPECT_FALSE(document_->IsModified()) << "the rules never change values";
        }
    }
}

// Nothing at all: every group lists all of its messages, in the fixed order.
TEST_F(RestriccionesTest, AnEmptyProjectListsEveryMessageInOrder) {
    const char* const expected[] = {
        "El presupuesto está vacio.",
        "No hay ningún Investigador Responsable.",
        "No ha cargado una descripción técnica.",
        "No ha elejido una convocatoria.",
        "El título del proyecto está vacío.",
        "Debe elegir la duración del proyecto.",
        "Debe elegir un área temática.",
        "Debe elegir un área temática secundaria.",
        "Debe indicar una provincia.",
        "Debe indicar una Prioridad Regional.",
        "El campo Palabras Clave está vacío.",
        "El campo Resumen del Proyecto está vacío.",
        "El campo Project Title está vacío.",
        "El campo Keywords está vacío.",
        "El campo Summary está vacío.",
        "El campo Impacto sobre el sector socio-económico y/o sector productivo está vacío.",
        "El campo Impacto sobre las capacidades institucionales está vacío.",
        "El campo Impacto sobre las áreas disciplinares o campos de aplicación está vacío.",
        "El campo Investigadores recusados como evaluadores está vacío.",
        "El campo Salvaguardia ética y ambiental está vacío.",
        "El campo Otras observaciones está vacío.",
        "El campo Justificación del subsidio solicitado está vacío.",
        "El campo Justificación de la beca solicitada está vacío.",
        "El campo Infraestructura y Equipamiento existente en la Unidad Ejecutora está vacío.",
        "El campo Otros Recursos afectados para el desarrollo del Proyecto está vacío.",
        "El campo Siglas en la Institución Beneficiaria está vacío.",
        "El campo Denominación o Razón Social en la Institución Beneficiaria está vacío.",
        "El campo Pais en la Institución Beneficiaria está vacío.",
        "El campo Provincia en la Institución Beneficiaria está vacío.",
        "El campo Localidad en la Institución Beneficiaria está vacío.",
        "El campo Código postal en la Institución Beneficiaria está vacío.",
        "El campo Calle y Número en la Institución Beneficiaria está vacío.",
        "El campo Teléfonos / Fax en la Institución Beneficiaria está vacío.",
        "El campo Email en la Institución Beneficiaria está vacío.",
        "El campo Sitio Web en la Institución Beneficiaria está vacío.",
        "El campo Apellido y Nombres en la Institución Beneficiaria está vacío.",
        "El campo Cargo en la Institución Beneficiaria está vacío.",
        "El campo CUIT/CUIL en la Institución Beneficiaria está vacío.",
        "El campo Tipo de Institución en la Institución Beneficiaria está vacío.",
        "El campo Tipo de Gestión en la Institución Beneficiaria está vacío.",
        "El campo Jurisdicción en la Institución Beneficiaria está vacío.",
        "El campo Año de Constitución o de Creación en la Institución Beneficiaria está vacío.",
        "El cuil de la Institución Beneficiaria no es válido.",
        "El campo Siglas en la Dependencia está vacío.",
        "El campo Denominación en la Dependencia está vacío.",
        "El campo Pais en la Dependencia está vacío.",
        "El campo Provincia en la Dependencia está vacío.",
        "El campo Localidad en la Dependencia está vacío.",
        "El campo Código Postal en la Dependencia está vacío.",
        "El campo Calle y Número en la Dependencia está vacío.",
        "El campo Teléfonos / Fax en la Dependencia está vacío.",
        "El campo Email en la Dependencia está vacío.",
        "El campo Sitio Web en la Dependencia está vacío.",
        "El campo Siglas en la Unidad Ejecutora está vacío.",
        "El campo Denominación en la Unidad Ejecutora está vacío.",
        "El campo Pais en la Unidad Ejecutora está vacío.",
        "El campo Provincia en la Unidad Ejecutora está vacío.",
        "El campo Localidad en la Unidad Ejecutora está vacío.",
        "El campo Código Postal en la Unidad Ejecutora está vacío.",
        "El campo Calle y Número en la Unidad Ejecutora está vacío.",
        "El campo Teléfonos / Fax en la Unidad Ejecutora está vacío.",
        "El campo Email en la Unidad Ejecutora está vacío.",
        "El campo Sitio Web en la Unidad Ejecutora está vacío.",
        "El campo Apellido y Nombres en la Unidad Ejecutora está vacío.",
        "El campo Cargo en la Unidad Ejecutora está vacío.",
        "El campo Año de Constitución o de Creación en la Unidad Ejecutora está vacío.",
    };
    QStringList expectedList;
    for (const char* message : expected)
        expectedList.append(QString::fromUtf8(message));
    const QStringList list = CheckAll();
    EXPECT_EQ(list.size(), expectedList.size());
    EXPECT_EQ(Joined(list), Joined(expectedList));
}

// Each field of the project data emptied alone lists exactly its message.
TEST_F(RestriccionesTest, EachProjectFieldHasItsMessage) {
    const struct {
        const char* path;
        const char* message;
    } cases[] = {
        {"project/document/properties/title/", "El título del proyecto está vacío."},
        {"project/document/properties/duracion/", "Debe elegir la duración del proyecto."},
        {"project/document/properties/areatematica/principal/text/",
         "Debe elegir un área temática."},
        {"project/document/properties/areatematica/secundaria/text/",
         "Debe elegir un área temática secundaria."},
        {"project/document/properties/ubicacion/provincia/text/", "Debe indicar una provincia."},
        {"project/document/properties/areaaltaprioridad/text/",
         "Debe indicar una Prioridad Regional."},
        {"project/document/body/section-break/resumenDelProyecto/palabrasClave/",
         "El campo Palabras Clave está vacío."},
        {"project/document/body/section-break/resumenDelProyecto/resumenDelProyecto/",
         "El campo Resumen del Proyecto está vacío."},
        {"project/document/body/section-break/resumenDelProyecto/projectTitle/",
         "El campo Project Title está vacío."},
        {"project/document/body/section-break/resumenDelProyecto/keywords/",
         "El campo Keywords está vacío."},
        {"project/document/body/section-break/resumenDelProyecto/summary/",
         "El campo Summary está vacío."},
        {"project/document/body/section-break/impactoDelProyecto/impactoSector/",
         "El campo Impacto sobre el sector socio-económico y/o sector productivo está vacío."},
        {"project/document/body/section-break/impactoDelProyecto/impactoInstitucion/",
         "El campo Impacto sobre las capacidades institucionales está vacío."},
        {"project/document/body/section-break/impactoDelProyecto/impactoCampo/",
         "El campo Impacto sobre las áreas disciplinares o campos de aplicación está vacío."},
        {"project/document/body/section-break/impactoDelProyecto/impactoSubarea/", nullptr},
        {"project/document/body/section-break/datosComplementarios/investigadores/",
         "El campo Investigadores recusados como evaluadores está vacío."},
        {"project/document/body/section-break/datosComplementarios/salvaguardia/",
         "El campo Salvaguardia ética y ambiental está vacío."},
        {"project/document/body/section-break/datosComplementarios/observaciones/",
         "El campo Otras observaciones está vacío."},
        {"project/document/body/section-break/subsidioSolicitado/justificacionSubsidio/",
         "El campo Justificación del subsidio solicitado está vacío."},
        {"project/document/body/section-break/subsidioSolicitado/justificacionBeca/",
         "El campo Justificación de la beca solicitada está vacío."},
        {"project/document/body/section-break/contraparte/contraparte/",
         "El campo Infraestructura y Equipamiento existente en la Unidad Ejecutora está vacío."},
        {"project/document/body/section-break/otrosRecursos/otrosRecursos/",
         "El campo Otros Recursos afectados para el desarrollo del Proyecto está vacío."},
    };
    for (const auto& c : cases) {
        document_ = std::make_unique<TXMLProject>(carpeta_.PathOf(QStringLiteral("nuevo.xml")));
        Complete();
        document_->SetCData(QString::fromUtf8(c.path), QString());
        EXPECT_EQ(Joined(CheckAll()), c.message ? QString::fromUtf8(c.message) : QString())
            << c.path;
    }
}

// Empty covers a missing element and one whose content does not read as text; blanks are text.
TEST_F(RestriccionesTest, WhatCountsAsEmpty) {
    const QString title = kProperties + QStringLiteral("title/");
    const QString message = QStringLiteral("El título del proyecto está vacío.");

    Complete();
    document_->GetNode(title).RemoveAllChildren();
    EXPECT_EQ(Joined(CheckAll()), message) << "element without content";

    document_->SetText(title, QString());
    document_->GetNode(title).AppendChild(QStringLiteral("b"));
    EXPECT_EQ(Joined(CheckAll()), message) << "element holding an element";

    document_->SetText(title, QStringLiteral("   "));
    EXPECT_EQ(Joined(CheckAll()), QString()) << "blanks";

    document_->SetText(title, QStringLiteral("Plain text"));
    EXPECT_EQ(Joined(CheckAll()), QString());

    document_->GetNode(QStringLiteral("project/document/properties/"))
        .RemoveChild(document_->GetNode(title));
    EXPECT_EQ(Joined(CheckAll()), message) << "missing element";
}

// "No Aplica", stored for calls without a regional priority, passes.
TEST_F(RestriccionesTest, RegionalPriorityNoAplicaPasses) {
    Complete();
    EXPECT_EQ(
        document_->GetText(kProperties + QStringLiteral("areaaltaprioridad/text/"), QString()),
        QStringLiteral("No Aplica"));
    EXPECT_EQ(Joined(CheckAll()), QString());
}

TEST_F(RestriccionesTest, ImpactTextsDependOnTheCallType) {
    const QString segunda = QStringLiteral(
        "El campo Relevancia Social, Económica y/o Productiva del Problema está vacío.\n"
        "El campo Problema Identificado está vacío.\n"
        "El campo Impacto sobre la Región está vacío.");
    const QString otras = QStringLiteral(
        "El campo Impacto sobre el sector socio-económico y/o sector productivo está vacío.\n"
        "El campo Impacto sobre las capacidades institucionales está vacío.\n"
        "El campo Impacto sobre las áreas disciplinares o campos de aplicación está vacío.");
    const QString sinConvocatoria = QStringLiteral("No ha elejido una convocatoria.\n");
    const struct {
        const char* caption;
        QString expected;
    } cases[] = {
        {"Convocatoria II B", segunda},
        {"Convocatoria II A", segunda},
        {"Convocatoria B", otras},
        {"Convocatoria A", otras},
        {"", sinConvocatoria + otras},
        {"Convocatoria que no se ofrece", sinConvocatoria + otras},
        {"convocatoria ii b", sinConvocatoria + otras},
    };
    for (const auto& c : cases) {
        document_ = std::make_unique<TXMLProject>(carpeta_.PathOf(QStringLiteral("nuevo.xml")));
        Complete();
        SetCall(QString::fromUtf8(c.caption));
        for (const char* path :
             {"impactoSector/", "impactoSubarea/", "impactoInstitucion/", "impactoCampo/"}) {
            document_->SetCData(
                kBody + QStringLiteral("impactoDelProyecto/") + QString::fromUtf8(path), QString());
        }
        EXPECT_EQ(Joined(CheckAll()), c.expected) << c.caption;
    }
}

// Only the impact text of the first family, with every other text filled.
TEST_F(RestriccionesTest, SubareaImpactIsAskedOnlyInTheSecondFamily) {
    Complete();
    SetCall(QStringLiteral("Convocatoria II A"));
    EXPECT_EQ(Joined(CheckAll()), QString());
    document_->SetCData(kBody + QStringLiteral("impactoDelProyecto/impactoCampo/"), QString());
    EXPECT_EQ(Joined(CheckAll()), QString());
    document_->SetCData(kBody + QStringLiteral("impactoDelProyecto/impactoSubarea/"), QString());
    EXPECT_EQ(Joined(CheckAll()), QStringLiteral("El campo Problema Identificado está vacío."));
}

TEST_F(RestriccionesTest, EachInstitutionFieldHasItsMessage) {
    const QString beneficiaria = QStringLiteral(" en la Institución Beneficiaria está vacío.");
    const QString dependencia = QStringLiteral(" en la Dependencia está vacío.");
    const QString ejecutora = QStringLiteral(" en la Unidad Ejecutora está vacío.");
    const struct {
        const char* path;
        const char* beneficiaria;
        const char* dependencia;
        const char* ejecutora;
    } cases[] = {
        {"denominacion/", "Siglas", "Siglas", "Siglas"},
        {"razonsocial/", "Denominación o Razón Social", "Denominación", "Denominación"},
        {"domicilio/pais/text/", "Pais", "Pais", "Pais"},
        {"domicilio/provincia/text/", "Provincia", "Provincia", "Provincia"},
        {"domicilio/localidad/", "Localidad", "Localidad", "Localidad"},
        {"domicilio/cp/", "Código postal", "Código Postal", "Código Postal"},
        {"domicilio/calle/", "Calle y Número", "Calle y Número", "Calle y Número"},
        {"domicilio/telefonos/", "Teléfonos / Fax", "Teléfonos / Fax", "Teléfonos / Fax"},
        {"domicilio/email/", "Email", "Email", "Email"},
        {"domicilio/web/", "Sitio Web", "Sitio Web", "Sitio Web"},
        {"contacto/nombre/", "Apellido y Nombres", nullptr, "Apellido y Nombres"},
        {"contacto/cargo/", "Cargo", nullptr, "Cargo"},
        {"tipoorganizacion/text/", "Tipo de Institución", nullptr, nullptr},
        {"tipogestion/text/", "Tipo de Gestión", nullptr, nullptr},
        {"region/text/", "Jurisdicción", nullptr, nullptr},
        {"anoConstitucion/", "Año de Constitución o de Creación", nullptr,
         "Año de Constitución o de Creación"},
    };
    for (const auto& c : cases) {
        const struct {
            QString prefix;
            const char* label;
            QString suffix;
        } targets[] = {
            {QStringLiteral("beneficiaria/document/properties/"), c.beneficiaria, beneficiaria},
            {QStringLiteral("dependencia/document/properties/"), c.dependencia, dependencia},
            {QStringLiteral("ejecutora/document/properties/"), c.ejecutora, ejecutora},
        };
        for (const auto& target : targets) {
            document_ = std::make_unique<TXMLProject>(carpeta_.PathOf(QStringLiteral("nuevo.xml")));
            Complete();
            document_->SetCData(target.prefix + QString::fromUtf8(c.path), QString());
            const QString expected =
                target.label
                    ? QStringLiteral("El campo ") + QString::fromUtf8(target.label) + target.suffix
                    : QString();
            EXPECT_EQ(Joined(CheckAll()), expected) << target.prefix.toStdString() << c.path;
        }
    }
}

TEST_F(RestriccionesTest, BeneficiaryCuitMustPassItsCheck) {
    const QString cuitcuil = QStringLiteral("beneficiaria/document/properties/cuitcuil/");
    const QString empty =
        QStringLiteral("El campo CUIT/CUIL en la Institución Beneficiaria está vacío.");
    const struct {
        const char* prefix;
        const char* cuit;
        QString expected;
    } cases[] = {
        {"beneficiaria", "20123456786", QString()},
        {"beneficiaria", "20123456780", kCuilInvalido},
        {"beneficiaria", "20-12345678-6", kCuilInvalido},
        {"beneficiaria", "", empty + QLatin1Char('\n') + kCuilInvalido},
        // The other institutions' numbers are not checked.
        {"dependencia", "", QString()},
        {"ejecutora", "123", QString()},
    };
    for (const auto& c : cases) {
        document_ = std::make_unique<TXMLProject>(carpeta_.PathOf(QStringLiteral("nuevo.xml")));
        Complete();
        document_->SetCData(QString::fromUtf8(c.prefix) +
                                QStringLiteral("/document/properties/cuitcuil/"),
                            QString::fromUtf8(c.cuit));
        EXPECT_EQ(Joined(CheckAll()), c.expected) << c.prefix << " " << c.cuit;
    }

    // The CUIT message comes after the last beneficiary field and before the dependency.
    document_ = std::make_unique<TXMLProject>(carpeta_.PathOf(QStringLiteral("otro.xml")));
    Complete();
    document_->SetCData(cuitcuil, QString());
    document_->SetCData(QStringLiteral("beneficiaria/document/properties/anoConstitucion/"),
                        QString());
    document_->SetCData(QStringLiteral("dependencia/document/properties/denominacion/"), QString());
    EXPECT_EQ(
        Joined(CheckAll()),
        Joined({empty,
                QStringLiteral("El campo Año de Constitución o de Creación en la "
                               "Institución Beneficiaria está vacío."),
                kCuilInvalido, QStringLiteral("El campo Siglas en la Dependencia está vacío.")}));
}

TEST_F(RestriccionesTest, ResponsableInvestigator) {
    const QString missing = QStringLiteral("No hay ningún Investigador Responsable.");
    const struct {
        const char* grupo;
        const char* rolXml;
        QString expected;
    } cases[] = {
        {"gruporesponsable", "<rol>Investigador Responsable</rol>", QString()},
        {"gruporesponsable", "<rol>Investigador Integrante</rol>", missing},
        {"gruporesponsable", "<rol>investigador responsable</rol>", missing},
        {"gruporesponsable", "<rol><![CDATA[Investigador Responsable]]></rol>", missing},
        {"gruporesponsable", "", missing},
        {"grupocolaborador", "<rol>Investigador Responsable</rol>", missing},
    };
    for (const auto& c : cases) {
        // The complete project without its responsible group, then one person as given.
        QFile::remove(carpeta_.ProyectoPath());
        {
            TXMLProject stored(carpeta_.ProyectoPath());
            FillCompleteProject(stored, carpeta_);
            stored.GetNode(QString()).RemoveChild(
                stored.GetNode(QStringLiteral("gruporesponsable/")));
            stored.Save(true);
        }
        QFile file(carpeta_.ProyectoPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        const QByteArray person = QByteArray("<") + c.grupo + "><participante cuil=\"1\">" +
                                  c.rolXml + "<nroDocumento>1</nroDocumento></participante></" +
                                  c.grupo + "></import>";
        bytes.replace("</import>", person);
        carpeta_.WriteFile(QStringLiteral("proyecto.xml"), bytes);

        document_ = std::make_unique<TXMLProject>(carpeta_.ProyectoPath());
        EXPECT_EQ(Joined(CheckAll()), c.expected) << c.grupo << " " << c.rolXml;
    }
}

// The responsible investigator may be any member, not only the first.
TEST_F(RestriccionesTest, ResponsableAfterOtherMembers) {
    Complete();
    TXMLNode grupo = document_->GetNode(QStringLiteral("gruporesponsable/"));
    const TXMLNode responsable = grupo.Child(0);
    grupo.RemoveChild(responsable);
    for (const char* cuil : {"1", "2"}) {
        TXMLNode person = grupo.AppendChild(QStringLiteral("participante"));
        person.SetAttribute(QStringLiteral("cuil"), QString::fromUtf8(cuil));
        document_->AppendText(person.AppendChild(QStringLiteral("rol")),
                              QStringLiteral("Investigador Integrante"));
    }
    EXPECT_EQ(Joined(CheckAll()), QStringLiteral("No hay ningún Investigador Responsable."));
    TXMLNode last = grupo.AppendChild(QStringLiteral("participante"));
    last.SetAttribute(QStringLiteral("cuil"), QStringLiteral("3"));
    document_->AppendText(last.AppendChild(QStringLiteral("rol")),
                          QStringLiteral("Investigador Responsable"));
    EXPECT_EQ(Joined(CheckAll()), QString());
}

// A person is looked at as the editor opens it by CUIL: the first holder of a shared CUIL.
TEST_F(RestriccionesTest, ResponsableSharingACuilWithAnEarlierMember) {
    Complete();
    TXMLNode grupo = document_->GetNode(QStringLiteral("gruporesponsable/"));
    grupo.RemoveChild(grupo.Child(0));
    for (const char* rol : {"Investigador Integrante", "Investigador Responsable"}) {
        TXMLNode person = grupo.AppendChild(QStringLiteral("participante"));
        person.SetAttribute(QStringLiteral("cuil"), QStringLiteral("1"));
        document_->AppendText(person.AppendChild(QStringLiteral("rol")), QString::fromUtf8(rol));
    }
    EXPECT_EQ(Joined(CheckAll()), QStringLiteral("No hay ningún Investigador Responsable."));
}

TEST_F(RestriccionesTest, TechnicalDescriptionMustBeAFileInDesctec) {
    const QString message = QStringLiteral("No ha cargado una descripción técnica.");
    Complete();
    EXPECT_EQ(Joined(CheckAll()), QString());

    document_->SetAttribute(QStringLiteral("descripcionTecnica/"), QStringLiteral("file"),
                            QStringLiteral("otro.pdf"));
    EXPECT_EQ(Joined(CheckAll()), message) << "a file never attached";

    carpeta_.WriteFile(QStringLiteral("otro.pdf"), "x");
    EXPECT_EQ(Joined(CheckAll()), message) << "beside the program, not in desctec";

    carpeta_.WriteFile(QStringLiteral("desctec/otro.pdf"), "x");
    EXPECT_EQ(Joined(CheckAll()), QString());

    QFile::remove(carpeta_.PathOf(QStringLiteral("desctec/otro.pdf")));
    EXPECT_EQ(Joined(CheckAll()), message) << "deleted after it was attached";

    QDir().mkpath(carpeta_.PathOf(QStringLiteral("desctec/carpeta.pdf")));
    document_->SetAttribute(QStringLiteral("descripcionTecnica/"), QStringLiteral("file"),
                            QStringLiteral("carpeta.pdf"));
    EXPECT_EQ(Joined(CheckAll()), message) << "a folder is not a file";

    document_->SetAttribute(QStringLiteral("descripcionTecnica/"), QStringLiteral("file"),
                            QString());
    EXPECT_EQ(Joined(CheckAll()), message) << "no name";
}

// A budget of computed rows only is empty, and then no other budget rule runs.
TEST_F(RestriccionesTest, ABudgetOfComputedRowsIsEmpty) {
    Complete();
    document_->GetNode(kPresupuesto).RemoveAllChildren();
    document_->SetCData(kProperties + QStringLiteral("duracion/"), QStringLiteral("3"));
    for (const QString& year : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}) {
        AddBudgetRow(*document_, year, QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO"),
                     QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
        AddBudgetRow(*document_, year, QStringLiteral("TOTAL ANUAL"), QStringLiteral("999999"),
                     QStringLiteral("0"), QStringLiteral("999999"));
    }
    EXPECT_EQ(Joined(CheckAll()), QStringLiteral("El presupuesto está vacio."));

    // Budget messages come before every other group.
    document_->GetNode(QString()).RemoveChild(
        document_->GetNode(QStringLiteral("gruporesponsable/")));
    EXPECT_EQ(Joined(CheckAll()), QStringLiteral("El presupuesto está vacio.\n"
                                                 "No hay ningún Investigador Responsable."));
}

TEST_F(RestriccionesTest, WithoutAreaTheCeilingIsNotChecked) {
    Complete();
    document_->GetNode(kPresupuesto).RemoveAllChildren();
    AddBudgetRow(*document_, QStringLiteral("1"), QStringLiteral("Insumos"),
                 QStringLiteral("200000"), QStringLiteral("200000"));
    AddBudgetRow(*document_, QStringLiteral("2"), QStringLiteral("Insumos"),
                 QStringLiteral("200000"), QStringLiteral("200000"));
    AddBudgetRow(*document_, QStringLiteral("1"), QStringLiteral("TOTAL ANUAL"),
                 QStringLiteral("208000"), QStringLiteral("200000"));
    AddBudgetRow(*document_, QStringLiteral("2"), QStringLiteral("TOTAL ANUAL"),
                 QStringLiteral("208000"), QStringLiteral("200000"));
    const QString ceiling = QStringLiteral(
        "El subsidio total para el año 1 es de 208000 pero en el área seleccionada no puede "
        "superar el total de $130000\r"
        "El subsidio total para el año 2 es de 208000 pero en el área seleccionada no puede "
        "superar el total de $90000");
    EXPECT_EQ(Joined(CheckAll()), ceiling);

    document_->ForceAttribute(kProperties + QStringLiteral("areatematica/principal/"),
                              QStringLiteral("code"), QString());
    EXPECT_EQ(Joined(CheckAll()), QString());
}

// Every budget rule broken at once: one entry per rule, in the order of the rules, with the
// amounts written under the separator in force and stored under either.
TEST_F(RestriccionesTest, BudgetMessagesInTheirOrder) {
    for (const char written : {'.', ','}) {
        for (const char regional : {'.', ','}) {
            SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(regional),
                                                                     QStringLiteral("dd/MM/yyyy")));
            const auto stored = [written](const char* text) {
                return QString::fromUtf8(text).replace(QLatin1Char('.'), QLatin1Char(written));
            };
            const auto shown = [regional](const char* text) {
                return QString::fromUtf8(text).replace(QLatin1Char('.'), QLatin1Char(regional));
            };
            document_ = std::make_unique<TXMLProject>(carpeta_.PathOf(QStringLiteral("nuevo.xml")));
            Complete();
            document_->GetNode(kPresupuesto).RemoveAllChildren();
            document_->SetCData(kProperties + QStringLiteral("duracion/"), QStringLiteral("3"));
            document_->ForceAttribute(kProperties + QStringLiteral("areatematica/principal/"),
                                      QStringLiteral("code"), QStringLiteral("04"));
            const struct {
                const char* year;
                const char* rubro;
                const char* subsidio;
            } rows[] = {
                {"1", "Beca Doctoral", "20000"},
                {"1", "Personal (Salarios)", "0.5"},
                {"1", "Gastos de servicios técnicos especializados", "210000"},
                {"1", "Equipamiento", "410000"},
                {"1", "GASTOS DE ADMINISTRACION DEL SUBSIDIO", "900000"},
                {"1", "TOTAL ANUAL", "500000"},
                {"2", "Beca PostDoctoral", "45336.01"},
                {"2", "Viajes y viáticos", "310000"},
                {"2", "Insumos", "4663.49"},
                {"2", "TOTAL ANUAL", "80000"},
                {"3", "TOTAL ANUAL", "70000.01"},
            };
            for (const auto& row : rows) {
                AddBudgetRow(*document_, QString::fromUtf8(row.year), QString::fromUtf8(row.rubro),
                             stored(row.subsidio), QStringLiteral("0"));
            }
            const QStringList expected = {
                QStringLiteral("La tabla de presupuesto para el año 3 se encuentra vacía"),
                QStringLiteral(
                    "El total del subsidio no puede ser mayor al total de la contraparte."),
                QStringLiteral("El total del rubro Beca Doctoral para el año 1 es de $20000 y "
                               "debe encontrarse entre $23664 y $36024"),
                shown("El total del rubro Beca PostDoctoral para el año 2 es de $45336.01 y "
                      "debe encontrarse entre $28716 y $45336"),
                shown("El total del rubro Personal (Salarios) para el año 1 es de $0.5 y debe "
                      "encontrarse entre $0 y $0"),
                QStringLiteral("El subsidio total para el año 1 es de 500000 pero en el área "
                               "seleccionada no puede superar el total de $80000") +
                    QChar(13) + QStringLiteral("El subsidio total para el año 3 es de ") +
                    stored("70000.01") +
                    QStringLiteral(" pero en el área seleccionada no puede superar el total de "
                                   "$70000"),
                QStringLiteral("El porcentaje del subsidio para el rubro \"Gastos de servicios "
                               "técnicos especializados\" es de 21% ($210000) pero no debe ser "
                               "mayor al 20%"),
                QStringLiteral("El porcentaje del subsidio para el rubro \"Viajes y viáticos\" "
                               "es de 31% ($310000) pero no debe ser mayor al 30%"),
                QStringLiteral("El porcentaje del subsidio para el rubro \"Equipamiento\" es de "
                               "41% ($410000) pero no debe ser mayor al 40%"),
            };
            EXPECT_EQ(Joined(CheckAll()), Joined(expected))
                << "written with " << written << ", read with " << regional;
        }
    }
}

// The budget page's example (lines of 1000 and 500.5 with counterparts 200 and 0, annual total
// 1560.52): the subsidy exceeds the counterpart, the ceiling is far.
TEST_F(RestriccionesTest, TheBudgetPagesExample) {
    for (const char separator : {'.', ','}) {
        SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char(separator),
                                                                 QStringLiteral("dd/MM/yyyy")));
        const auto local = [separator](const char* text) {
            return QString::fromUtf8(text).replace(QLatin1Char('.'), QLatin1Char(separator));
        };
        document_ = std::make_unique<TXMLProject>(carpeta_.PathOf(QStringLiteral("nuevo.xml")));
        Complete();
        document_->GetNode(kPresupuesto).RemoveAllChildren();
        document_->SetCData(kProperties + QStringLiteral("duracion/"), QStringLiteral("1"));
        AddBudgetRow(*document_, QStringLiteral("1"), QStringLiteral("Insumos"),
                     QStringLiteral("1000"), QStringLiteral("200"), QStringLiteral("1200"));
        AddBudgetRow(*document_, QStringLiteral("1"), QStringLiteral("Bibliografía"),
                     local("500.5"), QStringLiteral("0"), local("500.5"));
        AddBudgetRow(*document_, QStringLiteral("1"),
                     QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO"), local("60.02"),
                     QStringLiteral("0"), local("60.02"));
        AddBudgetRow(*document_, QStringLiteral("1"), QStringLiteral("TOTAL ANUAL"),
                     local("1560.52"), QStringLiteral("200"), local("1760.52"));
        EXPECT_EQ(
            Joined(CheckAll()),
            QStringLiteral("El total del subsidio no puede ser mayor al total de la contraparte."))
            << separator;

        // Counterpart equal to the subsidy of the lines passes: the administration row is not
        // part of either sum.
        document_->GetNode(kPresupuesto)
            .Child(0)
            .SetAttribute(QStringLiteral("contraparte"), local("1500.5"));
        EXPECT_EQ(Joined(CheckAll()), QString()) << separator;
        document_->GetNode(kPresupuesto)
            .Child(0)
            .SetAttribute(QStringLiteral("contraparte"), local("1500.49"));
        EXPECT_EQ(
            Joined(CheckAll()),
            QStringLiteral("El total del subsidio no puede ser mayor al total de la contraparte."))
            << separator;
    }
}

// A budget of counterpart-only lines has no subsidy to share: the share rules stay quiet and
// the other groups still run.
TEST_F(RestriccionesTest, ABudgetWithoutSubsidyPassesTheShares) {
    Complete();
    document_->GetNode(kPresupuesto).RemoveAllChildren();
    for (const QString& year : {QStringLiteral("1"), QStringLiteral("2")}) {
        AddBudgetRow(*document_, year, QStringLiteral("Equipamiento"), QStringLiteral("0"),
                     QStringLiteral("5000"));
        AddBudgetRow(*document_, year, QStringLiteral("Viajes y viáticos"), QString(),
                     QStringLiteral("100"));
    }
    document_->SetCData(kProperties + QStringLiteral("title/"), QString());
    EXPECT_EQ(Joined(CheckAll()), QStringLiteral("El título del proyecto está vacío."));
}

TEST(Restricciones, AddIfEmpty) {
    THallazgos list;
    EXPECT_FALSE(TRestricciones::AddIfEmpty(QStringLiteral(" "), QStringLiteral("a"), {}, list));
    EXPECT_TRUE(TRestricciones::AddIfEmpty(QString(), QStringLiteral("b"), {"bEdit", ""}, list));
    EXPECT_TRUE(TRestricciones::AddIfEmptyField(QString(), QStringLiteral("Email"),
                                                QStringLiteral(" en la Dependencia está vacío."),
                                                {"depEmailEdit", ""}, list));
    EXPECT_FALSE(TRestricciones::AddIfEmptyField(QStringLiteral("x"), QStringLiteral("Web"),
                                                 QStringLiteral("."), {}, list));
    EXPECT_EQ(list.Mensajes(),
              QStringList({QStringLiteral("b"),
                           QStringLiteral("El campo Email en la Dependencia está vacío.")}));
    EXPECT_EQ(list.At(1).destino.campo, "depEmailEdit");
}
