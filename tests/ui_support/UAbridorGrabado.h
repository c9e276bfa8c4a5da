#pragma once

#include "widgets/UAbrirConPrograma.h"

#include <QString>

#include <ostream>
#include <vector>

// One file or folder the window handed to another program.
struct TApertura {
    QString program; // empty: the desktop's default program
    QString path;

    bool operator==(const TApertura& other) const {
        return program == other.program && path == other.path;
    }
};

inline void PrintTo(const TApertura& apertura, std::ostream* os) {
    *os << "{" << (apertura.program.isEmpty() ? "<default>" : apertura.program.toStdString())
        << ", " << apertura.path.toStdString() << "}";
}

// An opener that starts nothing and remembers what it was asked to open.
class TAbridorGrabado : public TAbridor {
  public:
    void StartProgram(const QString& program, const QString& argument) override {
        opened_.push_back({program, argument});
    }
    void OpenWithDefault(const QString& path) override { opened_.push_back({QString(), path}); }

    const std::vector<TApertura>& Opened() const { return opened_; }

    // Puts a new recorder in force and returns it; SetAbridor(nullptr) removes it.
    static TAbridorGrabado& Install() {
        auto abridor = std::make_unique<TAbridorGrabado>();
        TAbridorGrabado& installed = *abridor;
        SetAbridor(std::move(abridor));
        return installed;
    }

  private:
    std::vector<TApertura> opened_;
};
