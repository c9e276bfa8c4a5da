#pragma once

#include "ui_support/UAbridorGrabado.h"
#include "ui_support/UPruebaVentana.h"

// Writes a new "proyecto.xml" with a complete project into the folder, as
// TPruebaEnvio::WriteCompleteProject does.
void WriteCompleteProjectInto(const QString& folder, bool verified, const QString& destination);

// The same, with the call, areas and names the sample installation and the pick lists know, so
// that it passes the verification there.
void WritePassingProjectInto(const QString& folder, bool verified = false);

// A main window test in which files and folders handed to other programs are only recorded,
// with a stored project complete enough to pass the verification.
class TPruebaEnvio : public TPruebaVentana {
  protected:
    void SetUp() override;
    void TearDown() override;

    // What the window asked other programs to open, in order.
    const std::vector<TApertura>& Opened() const { return abridor_->Opened(); }

    // Writes a new "proyecto.xml" with a complete project (responsible investigator with document
    // number "12345678", technical description "desc.pdf" written into "desctec/"), stored
    // as verified or not, and with the destination folder of the package.
    void WriteCompleteProject(bool verified, const QString& destination);
    // Writes "wrapper.xml" naming the program for the purpose ("caratula", "abrirdestino").
    void WriteWrapper(const QString& name, const QString& program);

  private:
    TAbridorGrabado* abridor_ = nullptr;
};
