#pragma once
// An ordered list of strings, indexed from 0, appended to at its end only.
#include <QList>
#include <QString>

namespace armo {

class ListeTexte {
public:
    int Count() const { return static_cast<int>(lignes_.size()); }
    bool vide() const { return lignes_.isEmpty(); }
    // Fails with EListError "Index de liste hors limites (%d)" outside 0 … Count − 1.
    const QString& operator[](int i) const;
    void Ajouter(const QString& s) { lignes_.append(s); }
    const QList<QString>& lignes() const { return lignes_; }

private:
    QList<QString> lignes_;
};

} // namespace armo
