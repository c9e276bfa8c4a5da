// Spell checking of a 12 000-character text with one unknown word in ten (each a different
// one, and new in every run), in 20 paragraphs and in a single one: checking it in full when
// it is loaded into its field, and checking again after one keystroke in its middle, against
// the same load and the same keystroke in a field without checking. Runs alternate subject
// and baseline; the ratios pair them run by run. Goals: the load checked well under 100 ms, a
// keystroke under 16 ms (one frame), so that neither shows.
// Run: build/bench/Ortografia_ui_bench [runs]
#include "UMedicion.h"
#include "ortografia/UOrtografia.h"
#include "ortografia/UUbicacionDiccionarios.h"
#include "widgets/UResaltadorOrtografia.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const QStringList kPalabras = {
    QStringLiteral("investigación"),
    QStringLiteral("región"),
    QStringLiteral("proyecto"),
    QStringLiteral("desarrollo"),
    QStringLiteral("análisis"),
    QStringLiteral("técnica"),
    QStringLiteral("vergüenza"),
    QStringLiteral("año"),
    QStringLiteral("grupo"),
    QStringLiteral("resultados"),
    QStringLiteral("objetivos"),
    QStringLiteral("impacto"),
    QStringLiteral("la"),
    QStringLiteral("de"),
    QStringLiteral("los"),
    QStringLiteral("con"),
    QStringLiteral("para"),
    QStringLiteral("sobre"),
    QStringLiteral("universidad"),
    QStringLiteral("nacional"),
    QStringLiteral("becarios"),
    QStringLiteral("metodología"),
    QStringLiteral("científica"),
    QStringLiteral("producción"),
    QStringLiteral("agua"),
    QStringLiteral("suelo"),
    QStringLiteral("estudio"),
    QStringLiteral("muestras"),
    QStringLiteral("laboratorio"),
    QStringLiteral("equipamiento"),
};

// A different made-up ending for every number: "b", "c", ..., "ba", ...
QString Letras(int n) {
    QString letras;
    do {
        letras.prepend(QChar(u'a' + n % 26));
        n /= 26;
    } while (n > 0);
    return letras;
}

// About 12 000 characters; every tenth word unknown, and no two of those alike, nor alike
// between two texts of different series.
QString Texto(int parrafos, int serie) {
    QString texto;
    int n = 0;
    const qsizetype porParrafo = 12000 / parrafos;
    while (texto.size() < 12000) {
        QString palabra = kPalabras[(n * 7) % kPalabras.size()];
        if (n % 10 == 9)
            palabra += QStringLiteral("qz") + Letras(n + 100000 * serie);
        texto += palabra;
        ++n;
        const bool finParrafo = texto.size() / porParrafo != (texto.size() + 1) / porParrafo;
        texto += finParrafo ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return texto;
}

void Tecla(QPlainTextEdit* memo) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(memo, &press);
}

void Medir(const char* titulo, int parrafos, int runs) {
    TOrtografia ortografia;
    // The dictionary loads once per run of the program; measured apart.
    const double carga = Ms([&] { ortografia.Revisor(TIdioma::Espanol); });
    QPlainTextEdit conRevision, sinRevision;
    auto* resaltador = new TResaltadorOrtografia(&conRevision, &ortografia, TIdioma::Espanol, true);
    QCoreApplication::processEvents();
    std::vector<double> cargaCon, cargaSin, teclaCon, teclaSin;
    QString texto;
    for (int run = 0; run < runs; ++run) {
        // Each run's unknown words are new to the checker, as in a text loaded for the first
        // time; its common words were seen before, as they are after a text's first lines.
        texto = Texto(parrafos, run);
        cargaCon.push_back(Ms([&] { conRevision.setPlainText(texto); }));
        cargaSin.push_back(Ms([&] { sinRevision.setPlainText(texto); }));
        for (QPlainTextEdit* memo : {&conRevision, &sinRevision}) {
            QTextCursor cursor(memo->document());
            cursor.setPosition(int(texto.size() / 2));
            memo->setTextCursor(cursor);
        }
        teclaCon.push_back(Ms([&] { Tecla(&conRevision); }));
        teclaSin.push_back(Ms([&] { Tecla(&sinRevision); }));
    }
    int subrayadas = 0;
    for (QTextBlock block = conRevision.document()->begin(); block.isValid(); block = block.next())
        subrayadas += int(block.layout()->formats().size());
    std::printf("%s: %lld characters, %d underlined; dictionary loaded in %.1f ms\n", titulo,
                static_cast<long long>(texto.size()), subrayadas, carga);
    PrintRatios("  load checked vs unchecked (ms)", cargaCon, cargaSin);
    PrintRatios("  keystroke checked vs unchecked", teclaCon, teclaSin);
    // The first load asks the dictionary about every word; later ones know the common words.
    std::printf("  first load, every word new to the checker: %.2f ms vs %.2f ms\n",
                cargaCon.front(), cargaSin.front());
    std::printf("  load %.2f ms (goal < 100: %s), keystroke %.3f ms (goal < 16: %s)\n",
                Median(cargaCon), Median(cargaCon) < 100 ? "met" : "NOT met", Median(teclaCon),
                Median(teclaCon) < 16 ? "met" : "NOT met");
    delete resaltador;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    SetCarpetasDiccionarios({QStringLiteral(VELORN_DICCIONARIOS)});
    Medir("20 paragraphs", 20, runs);
    Medir("one paragraph", 1, runs);
    return 0;
}
