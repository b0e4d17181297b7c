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
    case AccessCode::FileNotFound:
        return QStringLiteral("Fichier introuvable");
    case AccessCode::PathNotFound:
        return QStringLiteral("Nom de fichier incorrect");
    case AccessCode::TooManyOpenFiles:
        return QStringLiteral("Trop de fichiers ouverts");
    case AccessCode::AccessDenied:
        return QStringLiteral("Accès au fichier refusé");
    case AccessCode::ReadPastEnd:
        return QStringLiteral("Lecture au-delà de la fin de fichier");
    case AccessCode::DiskFull:
        return QStringLiteral("Disque plein");
    case AccessCode::InvalidNumericInput:
        return QStringLiteral("Saisie numérique incorrecte");
    default:
        return QStringLiteral("Erreur E/S %1").arg(code);
    }
}

int AccessCodeOfErrno(int error)
{
    switch (error) {
    case ENOENT:
        return AccessCode::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return AccessCode::PathNotFound;
    case EMFILE:
    case ENFILE:
        return AccessCode::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return AccessCode::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return AccessCode::DiskFull;
    case EIO:
        // Its number here would read as "access denied"; the device error's own number instead.
        return 1117;
    default:
        return error;
    }
}
