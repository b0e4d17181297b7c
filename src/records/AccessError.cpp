#include "AccessError.h"

#include <cerrno>

AccessError::AccessError(int code)
    : ParcovalError(AccessMessage(code))
    , m_code(code)
{
}

QString AccessMessage(int code)
{
    switch (code) {
    case int(AccessCode::FileNotFound):
        return QStringLiteral("Fichier introuvable");
    case int(AccessCode::PathNotFound):
        return QStringLiteral("Nom de fichier incorrect");
    case int(AccessCode::TooManyOpenFiles):
        return QStringLiteral("Trop de fichiers ouverts");
    case int(AccessCode::AccessDenied):
        return QStringLiteral("Accès au fichier refusé");
    case int(AccessCode::ReadPastEnd):
        return QStringLiteral("Lecture au-delà de la fin de fichier");
    case int(AccessCode::DiskFull):
        return QStringLiteral("Disque plein");
    case int(AccessCode::InvalidNumericInput):
        return QStringLiteral("Saisie numérique incorrecte");
    default:
        return QStringLiteral("Erreur E/S %1").arg(code);
    }
}

int AccessCodeOfErrno(int error)
{
    switch (error) {
    case ENOENT:
        return int(AccessCode::FileNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return int(AccessCode::PathNotFound);
    case EMFILE:
    case ENFILE:
        return int(AccessCode::TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return int(AccessCode::AccessDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return int(AccessCode::DiskFull);
    case EIO:
        return int(AccessCode::DeviceError);
    default:
        return error;
    }
}
