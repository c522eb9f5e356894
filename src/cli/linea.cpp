// The companion tool's command line, read one way for every order.
#include <getopt.h>

#include <iostream>

#include "cli/cli.h"

namespace novenario::cli {

std::optional<long long> Numero(const char* s) {
    if (!s || !*s) return std::nullopt;
    long long n = 0;
    for (std::size_t i = 0; s[i]; ++i) {
        if (s[i] < '0' || s[i] > '9' || i >= 18) return std::nullopt;
        n = n * 10 + (s[i] - '0');
    }
    return n;
}

int Uso(const char* ayuda, const std::string& error) {
    std::cerr << "novenario-cli: " << error << "\n\n" << ayuda;
    return 2;
}

// The keys getopt_long returns besides the letters.
enum : int { ClaveVersion = 0x100, ClavePropia = 0x200 };

std::optional<int> Analiza(std::vector<std::string> linea, const char* ayuda, const std::vector<Opcion>& propias,
                           bool antes_de_orden, Argumentos& a) {
    std::vector<char*> argv;
    for (std::string& s : linea) argv.push_back(s.data());
    argv.push_back(nullptr);
    std::vector<option> largas{{"help", no_argument, nullptr, 'h'}, {"version", no_argument, nullptr, ClaveVersion}};
    for (std::size_t i = 0; i < propias.size(); ++i)
        largas.push_back({propias[i].nombre, propias[i].toma == Toma::Nada ? no_argument : required_argument, nullptr,
                          ClavePropia + static_cast<int>(i)});
    largas.push_back({nullptr, 0, nullptr, 0});
    const auto nombre = [&](int clave) -> std::string {
        if (clave == 'h') return "--help";
        if (clave == ClaveVersion) return "--version";
        return std::string("--") + propias[static_cast<std::size_t>(clave - ClavePropia)].nombre;
    };

    const int argc = static_cast<int>(linea.size());
    opterr = 0;  // the messages are ours, in Spanish
    optind = 0;  // a fresh scan of a new line
    for (;;) {
        const int c = getopt_long(argc, argv.data(), antes_de_orden ? "+:h" : ":h", largas.data(), nullptr);
        if (c == -1) break;
        if (c == 'h') {
            std::cout << ayuda;
            return 0;
        }
        if (c == ClaveVersion) {
            std::cout << "novenario-cli " NOVENARIO_VERSION "\n";
            return 0;
        }
        if (c >= ClavePropia) {
            const Opcion& o = propias[static_cast<std::size_t>(c - ClavePropia)];
            if (o.toma == Toma::Nada) {
                a.valores[o.nombre] = 1;
                continue;
            }
            if (o.toma == Toma::Texto) {
                if (!optarg || !*optarg) return Uso(ayuda, o.error);
                a.textos[o.nombre] = optarg;
                continue;
            }
            const auto n = Numero(optarg);
            if (!n || *n < o.minimo || *n > o.maximo) return Uso(ayuda, o.error);
            a.valores[o.nombre] = *n;
            continue;
        }
        // A missing value, a value given to an option that takes none, or
        // an option nobody knows.
        if (c == ':' && optopt >= ClavePropia)
            return Uso(ayuda, propias[static_cast<std::size_t>(optopt - ClavePropia)].error);
        const bool sin_valor = optopt == 'h' || optopt == ClaveVersion ||
                               (optopt >= ClavePropia &&
                                static_cast<std::size_t>(optopt - ClavePropia) < propias.size() &&
                                propias[static_cast<std::size_t>(optopt - ClavePropia)].toma == Toma::Nada);
        if (sin_valor) return Uso(ayuda, "la opción " + nombre(optopt) + " no lleva valor");
        const char* escrita = argv[static_cast<std::size_t>(optind - 1)];
        std::string desconocida = optopt ? std::string("-") + static_cast<char>(optopt) : std::string(escrita);
        desconocida = desconocida.substr(0, desconocida.find('='));
        return Uso(ayuda, "opción desconocida '" + desconocida + "'");
    }
    for (int i = optind; i < argc; ++i) a.resto.push_back(argv[static_cast<std::size_t>(i)]);
    return std::nullopt;
}

}  // namespace novenario::cli
