// The attached technical description as the page, the rules and the package see it.
#include "form/UDescripcionTecnica.h"

#include "support/UProyectoPrueba.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(DescripcionTecnica, OnlyAPlainNameWithItsCopyIsAttached) {
    TCarpetaPrueba carpeta;
    ASSERT_TRUE(carpeta.IsValid());
    carpeta.WriteFile(QStringLiteral("desctec/desc.pdf"), "%PDF");
    carpeta.WriteFile(QStringLiteral("otro.pdf"), "%PDF");
    carpeta.WriteFile(QStringLiteral("desctec/sub/x.pdf"), "%PDF");
    const struct {
        const char* nombre;
        bool adjunta;
    } cases[] = {{"desc.pdf", true}, {"", false},          {"falta.pdf", false},
                 {"sub", false},     {"sub/x.pdf", false}, {"../otro.pdf", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(TDescripcionTecnica::EstaAdjunta(QString::fromLatin1(c.nombre)), c.adjunta)
            << c.nombre;
    }
}

// A copy replaces the one of the same name only once complete; the copy chosen again is
// recognised as itself.
TEST(DescripcionTecnica, CopyAndSameFile) {
    TCarpetaPrueba carpeta;
    carpeta.WriteFile(QStringLiteral("elegido.pdf"), "nuevo");
    carpeta.WriteFile(QStringLiteral("desctec/desc.pdf"), "viejo");
    EXPECT_FALSE(TDescripcionTecnica::Copiar(carpeta.PathOf(QStringLiteral("no-existe.pdf")),
                                             QStringLiteral("desc.pdf")));
    QFile viejo(TDescripcionTecnica::Ruta(QStringLiteral("desc.pdf")));
    ASSERT_TRUE(viejo.open(QIODevice::ReadOnly));
    EXPECT_EQ(viejo.readAll(), QByteArray("viejo"));
    viejo.close();

    ASSERT_TRUE(TDescripcionTecnica::Copiar(carpeta.PathOf(QStringLiteral("elegido.pdf")),
                                            QStringLiteral("desc.pdf")));
    ASSERT_TRUE(viejo.open(QIODevice::ReadOnly));
    EXPECT_EQ(viejo.readAll(), QByteArray("nuevo"));
    viejo.close();
    EXPECT_TRUE(TDescripcionTecnica::EsLaCopia(
        TDescripcionTecnica::Ruta(QStringLiteral("desc.pdf")), QStringLiteral("desc.pdf")));
    EXPECT_FALSE(TDescripcionTecnica::EsLaCopia(carpeta.PathOf(QStringLiteral("elegido.pdf")),
                                                QStringLiteral("desc.pdf")));
    TDescripcionTecnica::Quitar(QStringLiteral("desc.pdf"));
    EXPECT_FALSE(TDescripcionTecnica::EstaAdjunta(QStringLiteral("desc.pdf")));
}
