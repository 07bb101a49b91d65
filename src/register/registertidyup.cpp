#include "registertidyup.h"

#include "archive/archive.h"
#include "registerkeeper.h"

#include <QDir>

namespace censaria::classregister {

RegisterTidyUp::RegisterTidyUp(const Platform &platform, Archive &archive, QString copiesFolder, QString title)
    : platform_(platform)
    , archive_(archive)
    , copies_(std::move(copiesFolder))
    , title_(std::move(title))
{
}

void RegisterTidyUp::say(const QString &text, MessageIcon icon)
{
    platform_.dialogs->message(text, title_, icon);
}

bool RegisterTidyUp::mayChange(bool showingLocal)
{
    if (showingLocal && archive_.isServer()) {
        // The server's archive is the whole school's: it is tidied there, with its own copies.
        say(QStringLiteral("L'archivio è sul server della scuola: unire o togliere alunni e cominciare un nuovo anno "
                           "si fanno sul server, dove il tecnico tiene le copie dell'archivio."),
            MessageIcon::Exclamation);
        return false;
    }
    if (showingLocal)
        return true;
    say(QStringLiteral("Il registro mostra ora gli archivi raccolti, che non si modificano.\n\n"
                       "Premi «Questo computer» per sistemare l'archivio di questo computer."),
        MessageIcon::Exclamation);
    return false;
}

bool RegisterTidyUp::joinPupils(const QStringList &names, bool showingLocal)
{
    if (!mayChange(showingLocal))
        return false;
    if (names.size() != 2) {
        say(QStringLiteral("Scegli nella tabella le due righe dello stesso alunno scritto in due modi: fai clic sulla prima, poi "
                           "tieni premuto Ctrl e fai clic sulla seconda. Poi premi di nuovo «Unisci due alunni»."));
        return false;
    }
    const int answer = platform_.dialogs->choose(
        QStringLiteral("«%1» e «%2» sono lo stesso alunno?\n\nLe due righe diventeranno una sola: per ogni argomento resta il risultato "
                       "più recente. Prima una copia dell'archivio va nella cartella perCensaria\\copie.\n\nQuale nome tengo?")
            .arg(names[0], names[1]),
        title_, {names[0], names[1], QStringLiteral("Annulla")});
    if (answer != 0 && answer != 1)
        return false;
    run(QStringLiteral("Non sono riuscito a unire le due righe: l'archivio non è cambiato.\n\n%1"),
        [&](RegisterKeeper &keeper) { return keeper.joinPupils(names[answer], names[1 - answer], platform_.clock->now()); });
    return true;
}

bool RegisterTidyUp::deletePupil(const QStringList &names, bool showingLocal)
{
    if (!mayChange(showingLocal))
        return false;
    if (names.size() != 1) {
        say(QStringLiteral("Scegli nella tabella la riga dell'alunno da togliere dal registro, poi premi di nuovo «Elimina alunno»."));
        return false;
    }
    const int answer = platform_.dialogs->choose(
        QStringLiteral("Tolgo dal registro «%1» con tutti i suoi risultati?\n\nPrima una copia dell'archivio va nella cartella "
                       "perCensaria\\copie.")
            .arg(names[0]),
        title_, {QStringLiteral("Elimina"), QStringLiteral("Annulla")});
    if (answer != 0)
        return false;
    run(QStringLiteral("Non sono riuscito a togliere l'alunno: l'archivio non è cambiato.\n\n%1"),
        [&](RegisterKeeper &keeper) { return keeper.deletePupil(names[0], platform_.clock->now()); });
    return true;
}

bool RegisterTidyUp::startNewYear(bool showingLocal)
{
    if (!mayChange(showingLocal))
        return false;
    const int answer = platform_.dialogs->choose(
        QStringLiteral("Comincio un nuovo anno scolastico?\n\nL'archivio con i risultati di quest'anno sarà conservato nella cartella "
                       "perCensaria\\copie; il registro e la pagina dei risultati ripartiranno vuoti."),
        title_, {QStringLiteral("Nuovo anno scolastico"), QStringLiteral("Annulla")});
    if (answer != 0)
        return false;
    run(QStringLiteral("Non sono riuscito a cominciare il nuovo anno: l'archivio non è cambiato.\n\n%1"), [&](RegisterKeeper &keeper) {
        const std::optional<QString> kept = keeper.startNewYear(platform_.clock->now());
        if (kept)
            say(QStringLiteral("L'archivio dell'anno passato è conservato nel file\n%1").arg(QDir::toNativeSeparators(*kept)),
                MessageIcon::Information);
        return kept.has_value();
    });
    return true;
}

void RegisterTidyUp::run(const QString &failure, const std::function<bool(RegisterKeeper &)> &work)
{
    // The copies go beside the real archive, where the package lets every account of its
    // group add one and none remove another's (perCensaria\copie without the package).
    RegisterKeeper keeper(
        archive_, [this](const QString &to) { return archive_.copyTo(to); }, copies_);
    if (!work(keeper))
        say(failure.arg(keeper.lastError()), MessageIcon::Critical);
}

} // namespace censaria::classregister
