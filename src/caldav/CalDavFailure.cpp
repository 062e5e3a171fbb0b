#include "caldav/CalDavFailure.h"

namespace tp::caldav {

std::string failureMessage(const Failure& failure) {
    const std::string& server = failure.server;
    switch (failure.kind) {
    case FailureKind::BadAddress:
        return "„" + failure.detail + "“ ist keine Adresse eines Servers (https://…).";
    case FailureKind::PlainHttpRefused:
        return "Unverschlüsselt (http://) wird nur mit diesem Rechner abgeglichen; für " + server +
               " bitte https:// angeben.";
    case FailureKind::HostUnknown:
        return "Der Server " + server + " ist unbekannt: sein Name wurde nicht gefunden.";
    case FailureKind::NotReachable:
        return "Der Server " + server + " ist nicht erreichbar.";
    case FailureKind::CertificateUntrusted:
        return "Das Zertifikat von " + server + " ist nicht vertrauenswürdig.";
    case FailureKind::TimedOut:
        return "Der Server " + server + " antwortet nicht (Zeitüberschreitung).";
    case FailureKind::RedirectElsewhere:
        return "Der Server " + server + " leitet zu " + failure.detail +
               " weiter; dorthin wird das Passwort nicht gesendet.";
    case FailureKind::Unauthorized:
        return "Der Server " + server + " hat Benutzername oder Passwort abgelehnt.";
    case FailureKind::Forbidden:
        return "Der Server " + server + " erlaubt diesen Zugriff nicht (keine Berechtigung).";
    case FailureKind::StorageFull:
        return "Der Speicher auf dem Server " + server + " ist voll.";
    case FailureKind::NotACalendar:
        return "Die Adresse auf dem Server " + server + " ist kein CalDAV-Kalender.";
    case FailureKind::ServerError:
        return "Der Server " + server + " meldet einen Fehler (HTTP " +
               std::to_string(failure.status) + ").";
    case FailureKind::BadAnswer:
        return "Der Server " + server + " hat eine unverständliche Antwort geschickt.";
    case FailureKind::KeptChanging:
        return "Ein Termin auf dem Server " + server +
               " wurde während des Abgleichs wiederholt geändert; bitte erneut abgleichen.";
    case FailureKind::Cancelled:
        return "Der Abgleich mit dem Server " + server + " wurde abgebrochen.";
    case FailureKind::ConnectionFailed:
        break;
    }
    return "Die Verbindung zum Server " + server + " ist fehlgeschlagen.";
}

std::optional<Failure> failureOfResponse(const HttpResponse& response, const std::string& server) {
    switch (response.failure) {
    case TransportFailure::None:
        break;
    case TransportFailure::HostUnknown:
        return Failure{FailureKind::HostUnknown, server};
    case TransportFailure::NotReachable:
        return Failure{FailureKind::NotReachable, server};
    case TransportFailure::CertificateUntrusted:
        return Failure{FailureKind::CertificateUntrusted, server};
    case TransportFailure::TimedOut:
        return Failure{FailureKind::TimedOut, server};
    case TransportFailure::PlainHttpRefused:
        return Failure{FailureKind::PlainHttpRefused, server};
    case TransportFailure::Cancelled:
        return Failure{FailureKind::Cancelled, server};
    case TransportFailure::Other:
        return Failure{FailureKind::ConnectionFailed, server};
    }
    switch (response.status) {
    case 401:
        return Failure{FailureKind::Unauthorized, server, 401};
    case 403:
        return Failure{FailureKind::Forbidden, server, 403};
    case 507:
        return Failure{FailureKind::StorageFull, server, 507};
    default:
        if (response.status >= 500 || response.status < 100)
            return Failure{FailureKind::ServerError, server, response.status};
        return std::nullopt;
    }
}

} // namespace tp::caldav
