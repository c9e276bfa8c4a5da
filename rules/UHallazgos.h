#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Where a finding of the verification leads the user: the control that holds what it is about
// (by its name in the window) and, for a budget finding about one year, that year ("1" to "3").
struct TDestino {
    QString campo;
    QString anio;
};

// One broken rule: its message, exactly as shown, and where it leads.
struct THallazgo {
    QString mensaje;
    TDestino destino;
};

// The findings of one verification, in the rules' order. A finding cannot be added without its
// destination.
class THallazgos {
  public:
    void Add(const QString& mensaje, const TDestino& destino) {
        hallazgos_.push_back({mensaje, destino});
    }
    bool IsEmpty() const { return hallazgos_.empty(); }
    int Count() const { return int(hallazgos_.size()); }
    const THallazgo& At(int index) const { return hallazgos_.at(size_t(index)); }
    QStringList Mensajes() const {
        QStringList mensajes;
        for (const THallazgo& hallazgo : hallazgos_)
            mensajes.append(hallazgo.mensaje);
        return mensajes;
    }

  private:
    std::vector<THallazgo> hallazgos_;
};
