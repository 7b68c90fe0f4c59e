#include "services/InscricaoEstadual.h"

#include "app/ProgramFolder.h"
#include "util/Win1252.h"

#include <QFile>

#include <dlfcn.h>

namespace {

using ConsisteFn = int (*)(const char *, const char *);

// dlclose on every way out.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const QString &path)
        : m_handle(dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL))
    {
    }
    ~LoadedLibrary()
    {
        if (m_handle)
            dlclose(m_handle);
    }
    LoadedLibrary(const LoadedLibrary &) = delete;
    LoadedLibrary &operator=(const LoadedLibrary &) = delete;

    bool isLoaded() const { return m_handle != nullptr; }
    void *symbol(const char *name) const { return dlsym(m_handle, name); }

private:
    void *m_handle;
};

QString lastLoaderError()
{
    const char *e = dlerror();
    return e ? QString::fromLocal8Bit(e) : QString();
}

IEResultado failure(const char *message, const QString &detail)
{
    IEResultado r;
    r.status = IEResultado::Status::Error;
    r.message = QString::fromUtf8(message);
    r.detail = detail;
    return r;
}

} // namespace

QString IELibraryPath()
{
    return ProgramPath(QStringLiteral("DllInscE32.so"));
}

IEResultado ValidarIE(const QString &digits, const QString &uf)
{
    dlerror(); // clear what an earlier call left
    const LoadedLibrary library(IELibraryPath());
    if (!library.isLoaded())
        return failure("Dll não carregada", lastLoaderError());

    dlerror();
    const auto consiste = reinterpret_cast<ConsisteFn>(library.symbol("ConsisteInscricaoEstadual"));
    if (!consiste)
        return failure("Entrypoint Download não encontrado na Dll", lastLoaderError());

    const QByteArray insc = Win1252::encodeLossy(digits);
    const QByteArray state = Win1252::encodeLossy(uf);
    const int verdict = consiste(insc.constData(), state.constData());

    IEResultado r;
    r.status = verdict == 0 ? IEResultado::Status::Valid : IEResultado::Status::Invalid;
    return r;
}
