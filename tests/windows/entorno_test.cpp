// The Qt side of the outside world: files, the pace of the pump, and the
// wait for a frame.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

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
    ASSERT_TRUE(e.LeerFichero(nombre, leido));
    EXPECT_EQ(leido, bytes);
}

TEST(Ficheros, UnFicheroQueNoExisteNoSeLee) {
    QTemporaryDir dir;
    vista::EntornoQt e;
    std::string leido = "basura";
    EXPECT_FALSE(e.LeerFichero(dir.filePath(QStringLiteral("no.sdk")).toStdString(), leido));
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
