#ifndef ZARN_TESTS_TOOLS_ZARNRUN_H
#define ZARN_TESTS_TOOLS_ZARNRUN_H

// Runs zarn (or another program) as a child process set up for a fault: a
// file-size limit, the user nobody, a kernel that refuses to exchange
// directories.  Arguments are bytes, so that names that are no text can be
// passed too.

#include "filesystemfaults.h"

#include <cstddef>
#include <vector>

#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>


// How the child that runs zarn is set up before it starts.
struct Setup
{
    QString workingDirectory;
    QString home;
    rlim_t fileSizeLimit = RLIM_INFINITY;
    bool asNobody = false;
    bool withoutRenameExchange = false;
};

struct Result
{
    int exitCode = -1; ///< -1: killed
    QString out;
    QString err;
};

// Makes renameat2(RENAME_EXCHANGE) fail with EINVAL, as it does on file
// systems that cannot exchange.
inline bool refuseRenameExchange()
{
#if defined(__x86_64__)
    const __u32 arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    const __u32 arch = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
    const __u32 renameExchange = 1 << 1;
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_renameat2, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[4])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, renameExchange, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EINVAL),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{sizeof(filter) / sizeof(filter[0]), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

/** One run of a program, zarn by default, started at once; its output is kept in memory files. */
class Run
{
public:
    explicit Run(const QList<QByteArray> &arguments, const Setup &setup = {}, const QByteArray &program = ZARN_TOOL)
        : m_out(memfd_create("out", 0))
        , m_err(memfd_create("err", 0))
    {
        // Everything the child needs is made before the fork: after it, only system calls.
        QList<QByteArray> strings{program};
        strings += arguments;
        std::vector<char *> argv;
        for (QByteArray &string : strings)
            argv.push_back(string.data());
        argv.push_back(nullptr);
        const QByteArray cwd = QFile::encodeName(setup.workingDirectory);
        const rlimit limit{setup.fileSizeLimit, setup.fileSizeLimit};
        const QByteArray home = qgetenv("HOME");
        if (!setup.home.isEmpty())
            qputenv("HOME", QFile::encodeName(setup.home));

        m_pid = fork();
        if (m_pid != 0) {
            qputenv("HOME", home);
            return;
        }
        const int input = open("/dev/null", O_RDONLY);
        if (dup2(input, 0) < 0 || dup2(m_out, 1) < 0 || dup2(m_err, 2) < 0 || (!cwd.isEmpty() && chdir(cwd.constData()) != 0)
            || setrlimit(RLIMIT_FSIZE, &limit) != 0 || (setup.withoutRenameExchange && !refuseRenameExchange())
            || (setup.asNobody && (setgroups(0, nullptr) != 0 || setgid(FileSystemFaults::nobody) != 0 || setuid(FileSystemFaults::nobody) != 0)))
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    ~Run()
    {
        if (m_pid > 0 && !m_finished)
            finish();
        close(m_out);
        close(m_err);
    }

    void kill() { ::kill(m_pid, SIGKILL); }

    Result finish()
    {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_finished = true;
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text(m_out), text(m_err)};
    }

private:
    static QString text(int fd)
    {
        QFile file;
        if (lseek(fd, 0, SEEK_SET) != 0 || !file.open(fd, QIODevice::ReadOnly))
            return QStringLiteral("<unreadable>");
        return QString::fromUtf8(file.readAll());
    }

    int m_out;
    int m_err;
    pid_t m_pid = -1;
    bool m_finished = false;
};

inline Result zarn(const QList<QByteArray> &arguments, const Setup &setup = {})
{
    return Run(arguments, setup).finish();
}

inline Result zarn(const QStringList &arguments, const Setup &setup = {})
{
    QList<QByteArray> bytes;
    for (const QString &argument : arguments)
        bytes.append(QFile::encodeName(argument));
    return zarn(bytes, setup);
}

#endif
