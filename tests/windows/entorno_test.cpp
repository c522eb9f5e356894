// The Qt side of the outside world: files, the pace of the pump, and the
// wait for a frame.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "windows/entorno_qt.h"

namespace novenario::pruebas {
namespace {

TEST(Ficheros, LoEscritoSeLeeIgualByteABytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    vista::EntornoQt e;
    const std::string nombre = dir.filePath(QStringLiteral("partida ñ.sdk")).toStdString();
    const std::string bytes("{\\rtf1 P1_1--5\r\n\0\xff", 18);
    EXPECT_FALSE(e.ExisteFichero(nombre));
    ASSERT_TRUE(e.EscribirFichero(nombre, bytes));
    EXPECT_TRUE(e.ExisteFichero(nombre));
    std::string leido = "basura";
    ASSERT_EQ(e.LeerFichero(nombre, leido, bytes.size()), Leido::Bien);
    EXPECT_EQ(leido, bytes);
}

TEST(Ficheros, UnFicheroQueNoExisteNoSeLee) {
    QTemporaryDir dir;
    vista::EntornoQt e;
    std::string leido = "basura";
    EXPECT_EQ(e.LeerFichero(dir.filePath(QStringLiteral("no.sdk")).toStdString(), leido, 100), Leido::Ilegible);
    EXPECT_TRUE(leido.empty());
    // A folder is not a file.
    EXPECT_FALSE(e.ExisteFichero(dir.path().toStdString()));
}

TEST(Ficheros, UnaEscrituraImposibleNoTocaNada) {
    QTemporaryDir dir;
    vista::EntornoQt e;
    EXPECT_FALSE(e.EscribirFichero(dir.filePath(QStringLiteral("no/existe/x.sdk")).toStdString(), "x"));
    // Writing over a folder fails and leaves the folder.
    EXPECT_FALSE(e.EscribirFichero(dir.path().toStdString(), "x"));
    EXPECT_TRUE(QDir(dir.path()).exists());
}

// A file longer than the bound is measured, not read: a gigabyte (sparse,
// so it costs no disk) comes back at once with nothing in memory. One byte
// over the bound is enough; the bound itself is read.
TEST(Ficheros, UnFicheroMasLargoQueElMaximoNoSeLee) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    vista::EntornoQt e;
    struct Caso {
        qint64 largo;
        std::size_t maximo;
        Leido esperado;
    };
    for (const Caso& caso : {Caso{qint64{1} << 30, std::size_t{16} << 20, Leido::Grande}, Caso{11, 10, Leido::Grande},
                             Caso{10, 10, Leido::Bien}}) {
        SCOPED_TRACE(caso.largo);
        const QString nombre = dir.filePath(QStringLiteral("grande.sdk"));
        QFile f(nombre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_TRUE(f.resize(caso.largo));
        f.close();
        std::string leido = "basura";
        EXPECT_EQ(e.LeerFichero(nombre.toStdString(), leido, caso.maximo), caso.esperado);
        EXPECT_EQ(leido.size(), caso.esperado == Leido::Bien ? static_cast<std::size_t>(caso.largo) : 0u);
    }
}

// A save goes through a symbolic link to the file it names, keeps that
// file's permissions, and leaves alone what is not a plain file.
TEST(Ficheros, UnaEscrituraSigueLosEnlacesYGuardaLosPermisos) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    vista::EntornoQt e;
    const QString real = dir.filePath(QStringLiteral("real.sdk"));
    const QString enlace = dir.filePath(QStringLiteral("enlace.sdk"));
    QFile f(real);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("viejo");
    f.close();
    ASSERT_TRUE(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::link(real, enlace));

    ASSERT_TRUE(e.EscribirFichero(enlace.toStdString(), "nuevo"));
    EXPECT_EQ(QFileInfo(enlace).symLinkTarget(), real);
    QFile leido(real);
    ASSERT_TRUE(leido.open(QIODevice::ReadOnly));
    EXPECT_EQ(leido.readAll(), QByteArray("nuevo"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    // A new file gets what the system gives new files.
    const QString nuevo = dir.filePath(QStringLiteral("nuevo.sdk"));
    ASSERT_TRUE(e.EscribirFichero(nuevo.toStdString(), "nuevo"));
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    ASSERT_EQ(::stat(QFile::encodeName(nuevo).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~mascara);

    const QString tubo = dir.filePath(QStringLiteral("tubo.sdk"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tubo).constData(), 0644), 0);
    EXPECT_FALSE(e.EscribirFichero(tubo.toStdString(), "x"));
    EXPECT_FALSE(QFileInfo(tubo).isFile());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size(), 4);
}

TEST(Bombeo, SoloCuandoHaPasadoSuPeriodo) {
    vista::EntornoQt e;
    EXPECT_TRUE(e.Hay_Que_Bombear());  // never pumped yet
    e.ProcessMessages();
    EXPECT_FALSE(e.Hay_Que_Bombear());
    QTest::qWait(vista::EntornoQt::PeriodoBombeo + 5);
    EXPECT_TRUE(e.Hay_Que_Bombear());
}

// Waiting for a frame is sleeping in the event loop: what comes in the
// meantime runs at once, and the wait ends at its moment, not before.
TEST(Bombeo, EsperarDejaCorrerLosEventosHastaSuMomento) {
    vista::EntornoQt e;
    long long atendido = -1;
    QTimer::singleShot(5, [&] { atendido = e.Milisegundos(); });
    const long long momento = e.Milisegundos() + 40;
    e.EsperarHasta(momento);
    EXPECT_GE(e.Milisegundos(), momento);
    ASSERT_GE(atendido, 0) << "the timer did not run during the wait";
    EXPECT_LT(atendido, momento);
    EXPECT_FALSE(e.Hay_Que_Bombear());
}

TEST(Bombeo, UnMomentoPasadoSoloBombea) {
    vista::EntornoQt e;
    bool atendido = false;
    QTimer::singleShot(0, [&] { atendido = true; });
    e.EsperarHasta(e.Milisegundos() - 1000);
    EXPECT_TRUE(atendido);
}

}  // namespace
}  // namespace novenario::pruebas
