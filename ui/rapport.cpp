#include "rapport.h"

#include "erreurs.h"

#include <QApplication>
#include <QMessageBox>
#include <new>

namespace armo {

namespace {

class BoiteErreur : public Rapporteur {
public:
    void Signaler(const QString& texte) override {
        QMessageBox boite(QMessageBox::Critical, QString::fromUtf8(TITRE_APPLICATION), texte,
                          QMessageBox::Ok, QApplication::activeWindow());
        boite.exec();
    }
};

std::unique_ptr<Rapporteur>& Courant() {
    static std::unique_ptr<Rapporteur> r = std::make_unique<BoiteErreur>();
    return r;
}

} // namespace

QString TexteBoiteErreur(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
    return message;
}

std::unique_ptr<Rapporteur> InstallerRapporteur(std::unique_ptr<Rapporteur> r) {
    if (!r) r = std::make_unique<BoiteErreur>();
    std::swap(r, Courant());
    return r;
}

void SignalerErreur(const QString& message) {
    Courant()->Signaler(TexteBoiteErreur(message));
}

bool Garder(const std::function<void()>& gestionnaire) {
    try {
        gestionnaire();
        return true;
    } catch (const Erreur& e) {
        SignalerErreur(e.message());
    } catch (const std::bad_alloc&) {
        SignalerErreur(QString::fromUtf8(MESSAGE_MEMOIRE));
    } catch (const std::exception& e) {
        SignalerErreur(QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace armo
