// Load and save of a large project document with TXMLProject, beside pugixml's own parse and
// save of the same file. Run: build/bench/UXMLProject_bench [runs]
#include "UMedicion.h"
#include "document/UXMLProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString Curriculum(int seed) {
    const QString sentence = QString::fromUtf8(
        "Investigación en biología molecular y genómica, con publicaciones en revistas "
        "internacionales \xE2\x80\x9C"
        "de alto impacto\xE2\x80\x9D; dirección de tesis doctorales "
        "y proyectos financiados (%1).\r\n");
    QString cv;
    while (cv.size() < 12000)
        cv += sentence.arg(seed++);
    cv.truncate(12000);
    return cv;
}

void BuildProject(const QString& fileName) {
    TXMLProject doc(fileName);
    doc.SetAttribute("soft/", "version", "2");
    doc.SetCData("project/document/properties/title/", "Estudio de la biodiversidad del NOA");
    TXMLNode budget = doc.GetNode("project/document/properties/presupuesto/");
    for (int year = 1; year <= 3; ++year) {
        for (int i = 0; i < 100; ++i) {
            TXMLNode row = budget.AppendChild("row");
            row.SetAttribute("rubro", "Insumos");
            row.SetAttribute("descr", QString("Reactivos de laboratorio %1").arg(i));
            row.SetAttribute("contraparte", "1500.5");
            row.SetAttribute("subsidio", "12000.25");
            row.SetAttribute("total", "13500.75");
            row.SetAttribute("year", QString::number(year));
        }
    }
    for (int p = 0; p < 300; ++p) {
        TXMLNode group = doc.GetNode(p < 10 ? "gruporesponsable/" : "grupocolaborador/");
        TXMLNode person = group.AppendChild("participante");
        const QString cuil = QString("20%1").arg(10000000 + p * 7919, 8, 10, QChar('0')) + "3";
        person.SetAttribute("cuil", cuil);
        const char* fields[] = {
            "rol",       "nombre",      "apellido",        "nroDocumento", "email",
            "cargo",     "institucion", "titulo",          "categoria",    "dedicacion",
            "domicilio", "telefono",    "fechaNacimiento", "disciplina",   "especialidad"};
        for (const char* field : fields)
            doc.AppendText(person.AppendChild(field),
                           QString("Valor de %1 número %2 ").arg(field).arg(p).repeated(7));
        doc.AppendText(person.AppendChild("cv"), Curriculum(p));
    }
    doc.Save(true);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir dir;
    const QString file = dir.filePath("proyecto.xml");
    BuildProject(file);
    const std::string path = QFile::encodeName(file).toStdString();
    const std::string copy = QFile::encodeName(dir.filePath("copia.xml")).toStdString();
    std::printf("document: %.2f MB\n", QFileInfo(file).size() / 1e6);

    // Interleaved run by run, so that both sides of a ratio see the same machine.
    TXMLProject loaded(file);
    pugi::xml_document pugiDoc;
    pugiDoc.load_file(path.c_str(), pugi::parse_default, pugi::encoding_auto);
    std::vector<double> ourLoad, pugiLoad, ourSave, pugiSave, ourSerialize;
    for (int run = 0; run < runs; ++run) {
        ourLoad.push_back(Ms([&] {
            TXMLProject doc(file);
            doc.Discard();
        }));
        pugiLoad.push_back(Ms([&] {
            pugi::xml_document doc;
            doc.load_file(path.c_str(), pugi::parse_default, pugi::encoding_auto);
        }));
        ourSave.push_back(Ms([&] { loaded.Save(true); }));
        pugiSave.push_back(Ms([&] {
            pugiDoc.save_file(copy.c_str(), "  ", pugi::format_default, pugi::encoding_latin1);
        }));
        ourSerialize.push_back(Ms([&] { (void)loaded.Serialize(); }));
    }
    std::printf("milliseconds, TXMLProject vs pugixml:\n");
    PrintRatios("load", ourLoad, pugiLoad, 1.5);
    PrintRatios("save", ourSave, pugiSave, 1.5);
    std::printf("of which building the text: %.2f ms\n", Median(ourSerialize));
    return 0;
}
