#pragma once

#include <QTableWidget>

// The list of the persons of one group: one row a person with its CUIL, rol, names and
// surname, in the order of the document. The grid keeps its own count of the persons it
// shows; with none it still has one blank row, which the first person takes.
class TGrillaGrupo : public QTableWidget {
    Q_OBJECT
  public:
    enum TColumna { kCuil = 0, kRol = 1, kNombre = 2, kApellido = 3 };

    explicit TGrillaGrupo(const QString& name, QWidget* parent = nullptr);

    // The header texts and the column widths.
    void SetupGrupoGrid();

    // Number of persons shown.
    int Count() const { return count_; }
    // No person: one blank row, which is the selected one.
    void Empty();
    // Room for one more person: the blank row for the first, otherwise a new last row, which
    // becomes the selected one.
    void AddPersona();
    // Writes the person into the selected row.
    void SetSelectedRow(const QString& cuil, const QString& rol, const QString& nombre,
                        const QString& apellido);

    // The selected row (from 0); the first when none is.
    int SelectedRow() const;
    void SelectRow(int row);
    QString Cell(int row, int column) const;
    QString SelectedCuil() const { return Cell(SelectedRow(), kCuil); }

    // True when a row holds exactly that text in that column; the blank row of an empty grid
    // matches only the empty text.
    bool GridContains(const QString& text, int column) const;

  private:
    int count_ = 0;
};
