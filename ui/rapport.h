#pragma once
// The application's error box. Every error that leaves an event handler goes
// to one reporter; the program's own shows a modal critical box, tests install
// one that records the messages.
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace armo {

// The application title: the error box's caption and the taskbar entry.
inline constexpr const char* TITRE_APPLICATION = "VELORINE DICTIONNAIRE";

class Rapporteur {
public:
    virtual ~Rapporteur() = default;
    // texte is the message as the box shows it, final full stop included.
    virtual void Signaler(const QString& texte) = 0;
};

// The message as the box shows it: a "." is added when the last character's
// code is above that of ".".
QString TexteBoiteErreur(const QString& message);

// Installs the reporter (nullptr: the program's own message box) and returns
// the one it replaces.
std::unique_ptr<Rapporteur> InstallerRapporteur(std::unique_ptr<Rapporteur> r);
void SignalerErreur(const QString& message);

// Runs a handler; whatever error leaves it is reported, and the caller goes on.
// Returns false when an error was reported.
bool Garder(const std::function<void()>& gestionnaire);

} // namespace armo
