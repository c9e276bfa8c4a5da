#pragma once

// Large projects for the benchmarks: persons with full CVs, three years of budget lines, the
// sixteen texts and the three institutions, written as the program stores them.

#include <QString>

class TXMLProject;

class TProyectoGrande {
  public:
    // A text of that length made of one long sentence repeated, with accents.
    static QString LongText(int length, int seed);
    // A CUIL that passes the check, for the number: a prefix, eight digits, the check digit.
    static QString Cuil(int number);

    // The parts a store leaves alone: the persons (the first `responsables` in the responsible
    // group, its last one the responsible investigator, the rest collaborators) and the three
    // institutions. Saves the file.
    static void BuildPersonas(const QString& file, int personas, int responsables);
    // What a store writes: the general data under the call caption, the whole budget (`lineas`
    // lines a year of 100.5 each side, then the computed rows), the sixteen texts and the flag
    // "0", then a forced save. A failing project lacks its title.
    static void Store(const QString& file, const QString& convocatoria, int lineas, bool passing);
    // Copies every file below one folder into another, keeping the folders.
    static void CopyFolder(const QString& from, const QString& to);

    // Both: the project of the start-up and verify benchmarks.
    static void Build(const QString& file, const QString& convocatoria, int personas, int lineas);
};
