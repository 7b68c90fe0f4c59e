/*
 * bench_pessoas: fills a fresh database with realistic Brazilian persons and
 * times the searches of the person screens, each beside the same statement
 * run by isql-fb on the same file.
 *
 * Usage
 *   bench_pessoas [--n N] [--db PATH] [--repeat R] [--batch B]
 *     --n N       individuals to insert (default 100000); companies: N/10
 *     --db PATH   make the database at PATH (which must not exist) and keep
 *                 it; without it the database lives in a temporary folder
 *                 removed at the end
 *     --repeat R  timed runs of each search after one warm-up (default 3);
 *                 the median is printed
 *     --batch B   rows per transaction while filling (default 1000)
 *     --via-classe  fill the individuals through TPessoaFisica::Inserir (its
 *                 duplicate-name question answered Yes) and time NomesSemelhantes
 *
 * Build and run it in Release, in a build folder of its own:
 *   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build-bench --target bench_pessoas
 *   build-bench/bench/bench_pessoas --n 1000     # quick check, seconds
 *   build-bench/bench/bench_pessoas              # 100000 individuals, a few minutes
 *
 * What it does
 *   1. scripts/prepare-program-folder on a temporary folder (LUMISTO_PROGRAM_DIR
 *      points there, as in the tests), scripts/create-db, and a connection
 *      through TDM; with --db, DB/Orvalha.FDB of that folder links to PATH.
 *   2. 5 users (plain SQL), 30 groups, then N individuals and N/10 companies
 *      with the record classes' own INSERT statements, every
 *      column bound; one transaction and one prepared statement per batch,
 *      parameters re-set for every row. Fixed seeds: the same N gives the
 *      same rows whatever the batch.
 *   3. Each figure is a line "name: N rows in X ms". A search runs as a
 *      screen runs it: a transaction, prepare, bind, every row read into a
 *      grid row (every selected column), commit. X is prepare to last row;
 *      the line also gives the time with the transaction's start and commit,
 *      which with forced writes costs a synchronous write even for a read.
 *      Visibility: login CARLA (one of the five users) or PUBLICA = 1.
 *   4. TDM disconnects (embedded isql-fb needs the file to itself) and each
 *      statement runs in isql-fb with its parameters written as literals.
 *      Searches: isql's own "Elapsed time" (SET STATS ON), median of the same
 *      repeats after a warm-up, against our prepare-to-last-row. Single-row
 *      load: the whole isql run of the 1000 loads (each with COMMIT) minus the
 *      same run without them, against our whole load. The last line is
 *      "bench_pessoas: done".
 *
 * The fill is bound by synchronous page writes: with forced writes every
 * commit writes each page the batch dirtied, and a batch of 1000 touches most
 * leaves of the name indexes. On a disk with slow synchronous writes,
 * --batch 10000 halves the run.
 */

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/Transaction.h"
#include "model/Resultado.h"
#include "model/TPessoaFisica.h"
#include "services/Seams.h"
#include "util/DateTime.h"
#include "util/Win1252.h"

#include "BenchComum.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

namespace {

using namespace bench;

// ------------------------------------------------------------ random numbers

// splitmix64: the same sequence on every platform and compiler (the standard
// distributions are not specified bit for bit).
class Rng {
public:
    explicit Rng(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    bool chance(double p) { return unit() < p; }
    QString digits(int count)
    {
        QString s;
        for (int i = 0; i < count; ++i)
            s += QChar(u'0' + below(10));
        return s;
    }

private:
    quint64 m_state;
};

// Picks an index with the given weights.
class Weighted {
public:
    explicit Weighted(const std::vector<double> &weights)
    {
        double sum = 0;
        for (double w : weights)
            m_cumulative.push_back(sum += w);
    }
    // Frequencies of names fall off with their rank: weight 1 / (rank + offset).
    static Weighted zipf(size_t n, double offset)
    {
        std::vector<double> w;
        for (size_t i = 0; i < n; ++i)
            w.push_back(1.0 / (double(i) + offset));
        return Weighted(w);
    }
    int pick(Rng &r) const
    {
        const double x = r.unit() * m_cumulative.back();
        return int(std::upper_bound(m_cumulative.begin(), m_cumulative.end(), x) - m_cumulative.begin());
    }

private:
    std::vector<double> m_cumulative;
};

template <typename T>
const T &any(Rng &r, std::span<const T> items)
{
    return items[size_t(r.below(int(items.size())))];
}

// ------------------------------------------------------------ the data

// Roughly in order of frequency (Brazilian civil registries); the first ones
// come up far more often.
constexpr QStringView kFemininos[] = {
    u"Maria",      u"Ana",       u"Francisca", u"Antônia",    u"Adriana", u"Juliana",   u"Márcia",
    u"Fernanda",   u"Patrícia",  u"Aline",     u"Sandra",     u"Camila",  u"Amanda",    u"Bruna",
    u"Jéssica",    u"Letícia",   u"Júlia",     u"Luciana",    u"Vanessa", u"Mariana",   u"Gabriela",
    u"Vera",       u"Vitória",   u"Larissa",   u"Cláudia",    u"Beatriz", u"Luana",     u"Rita",
    u"Sônia",      u"Renata",    u"Eliane",    u"Josefa",     u"Simone",  u"Natália",   u"Cristiane",
    u"Carla",      u"Débora",    u"Rosângela", u"Jaqueline",  u"Rosa",    u"Daniela",   u"Aparecida",
    u"Marlene",    u"Terezinha", u"Raimunda",  u"Andréia",    u"Fabiana", u"Lúcia",     u"Raquel",
    u"Ângela",     u"Rafaela",   u"Joana",     u"Luzia",      u"Elaine",  u"Daiane",    u"Regina",
    u"Conceição",  u"Cecília",   u"Helena",    u"Alice",      u"Laura",   u"Valentina", u"Sophia",
    u"Isabela",    u"Manuela",   u"Lívia",     u"Heloísa",    u"Lorena",  u"Yasmin",    u"Giovanna",
    u"Sabrina",    u"Tatiane",   u"Priscila",  u"Viviane",    u"Kátia",   u"Cátia",     u"Silvana",
    u"Sílvia",     u"Solange",   u"Tânia",     u"Célia",      u"Irene",   u"Inês",      u"Glória",
    u"Fátima",     u"Lourdes",   u"Dalva",     u"Neide",      u"Nilza",   u"Odete",     u"Zilda",
    u"Edna",       u"Ivone",     u"Denise",    u"Elisângela", u"Gisele",  u"Michele",   u"Roberta",
    u"Thaís",      u"Lara",      u"Clara",     u"Isadora",    u"Ester",   u"Melissa",   u"Nicole",
    u"Ágata",      u"Estela",    u"Cíntia",    u"Mônica",     u"Bianca",  u"Carolina",  u"Bárbara",
    u"Marta",      u"Margarida", u"Benedita",  u"Iracema",    u"Jurema",  u"Celeste",   u"Graziela",
    u"Joice",      u"Karina",    u"Milena",    u"Paula",      u"Pietra",  u"Rebeca",    u"Sara",
    u"Tereza",     u"Valéria",   u"Vânia",     u"Eunice",     u"Elza",    u"Edite",     u"Geralda",
    u"Luíza",      u"Eduarda",   u"Rosana",    u"Sueli",      u"Marisa",  u"Marina",    u"Marcela",
    u"Marli",      u"Nair",      u"Noêmia",    u"Olga",       u"Penha",   u"Quitéria",  u"Socorro",
    u"Sebastiana", u"Severina",  u"Tamires",   u"Thalita",    u"Ingrid",  u"Jordana",   u"Kelly",
    u"Lidiane",    u"Maísa",     u"Nádia",     u"Poliana",    u"Regiane", u"Sheila",    u"Talita",
    u"Úrsula",     u"Vilma",     u"Wanda",     u"Zenaide",    u"Zuleide", u"Graça",     u"Jussara",
};

constexpr QStringView kMasculinos[] = {
    u"José",      u"João",      u"Antônio",  u"Francisco", u"Carlos",    u"Paulo",    u"Pedro",
    u"Lucas",     u"Luiz",      u"Marcos",   u"Luís",      u"Gabriel",   u"Rafael",   u"Daniel",
    u"Marcelo",   u"Bruno",     u"Eduardo",  u"Felipe",    u"Raimundo",  u"Rodrigo",  u"Manoel",
    u"Mateus",    u"André",     u"Fernando", u"Fábio",     u"Leonardo",  u"Gustavo",  u"Guilherme",
    u"Leandro",   u"Tiago",     u"Anderson", u"Ricardo",   u"Márcio",    u"Jorge",    u"Sebastião",
    u"Alexandre", u"Roberto",   u"Edson",    u"Diego",     u"Vítor",     u"Sérgio",   u"Cláudio",
    u"Matheus",   u"Thiago",    u"Geraldo",  u"Adriano",   u"Luciano",   u"Júlio",    u"Renato",
    u"Alex",      u"Vinícius",  u"Rogério",  u"Samuel",    u"Ronaldo",   u"Mário",    u"Flávio",
    u"Igor",      u"Douglas",   u"Davi",     u"Otávio",    u"Caio",      u"Benedito", u"Wellington",
    u"Valdir",    u"Reginaldo", u"Rubens",   u"Sandro",    u"Wagner",    u"Nelson",   u"Hugo",
    u"Artur",     u"Heitor",    u"Bernardo", u"Miguel",    u"Enzo",      u"Lorenzo",  u"Théo",
    u"Murilo",    u"Henrique",  u"Nicolas",  u"Joaquim",   u"Benício",   u"Emanuel",  u"Cauã",
    u"Kauã",      u"Ítalo",     u"Wesley",   u"Jefferson", u"Cristiano", u"Fabrício", u"Gilberto",
    u"Gilson",    u"Osvaldo",   u"Valter",   u"Wilson",    u"Wanderley", u"Ademir",   u"Aparecido",
    u"Severino",  u"Damião",    u"Cícero",   u"Raul",      u"Jair",      u"Moisés",   u"Elias",
    u"Ivan",      u"Nilton",    u"Milton",   u"Edvaldo",   u"Josué",     u"Luan",     u"Yuri",
    u"César",     u"Ângelo",    u"Gonçalo",  u"Inácio",    u"Irineu",    u"Lázaro",   u"Osmar",
    u"Sílvio",    u"Silvano",   u"Alberto",  u"Alcides",   u"Amauri",    u"Arnaldo",  u"Benjamim",
    u"Celso",     u"Cleber",    u"Denis",    u"Domingos",  u"Edgar",     u"Eliseu",   u"Emerson",
    u"Everton",   u"Ezequiel",  u"Fabiano",  u"Germano",   u"Hélio",     u"Humberto", u"Ismael",
    u"Jonas",     u"Juliano",   u"Leonel",   u"Lourival",  u"Marciano",  u"Maurício", u"Nivaldo",
    u"Orlando",   u"Otacílio",  u"Renan",    u"Saulo",     u"Sidnei",    u"Tadeu",    u"Ulisses",
    u"Valdemar",  u"Vicente",   u"William",  u"Zacarias",  u"Conrado",   u"Natanael", u"Abelardo",
};

// "surname/particle": the particle goes before the surname in some names
// (Maria da Silva, João dos Santos).
constexpr QStringView kSobrenomes[] = {
    u"Silva/da",
    u"Santos/dos",
    u"Oliveira/de",
    u"Souza/de",
    u"Rodrigues",
    u"Ferreira",
    u"Alves",
    u"Pereira",
    u"Lima/de",
    u"Gomes",
    u"Costa/da",
    u"Ribeiro",
    u"Martins",
    u"Carvalho/de",
    u"Almeida/de",
    u"Lopes",
    u"Sousa/de",
    u"Fernandes",
    u"Vieira",
    u"Barbosa",
    u"Rocha/da",
    u"Dias",
    u"Nascimento/do",
    u"Andrade/de",
    u"Moreira",
    u"Nunes",
    u"Marques",
    u"Machado",
    u"Mendes",
    u"Freitas/de",
    u"Cardoso",
    u"Ramos",
    u"Gonçalves",
    u"Santana",
    u"Teixeira",
    u"Araújo/de",
    u"Monteiro",
    u"Moura/de",
    u"Correia",
    u"Cavalcanti",
    u"Pinto",
    u"Campos",
    u"Castro/de",
    u"Azevedo/de",
    u"Melo/de",
    u"Reis/dos",
    u"Batista",
    u"Barros/de",
    u"Miranda",
    u"Farias/de",
    u"Sales/de",
    u"Cunha/da",
    u"Rezende",
    u"Borges",
    u"Moraes/de",
    u"Nogueira",
    u"Duarte",
    u"Pires",
    u"Fonseca/da",
    u"Medeiros/de",
    u"Guimarães",
    u"Xavier",
    u"Brito/de",
    u"Siqueira/de",
    u"Leite",
    u"Macedo/de",
    u"Tavares",
    u"Magalhães",
    u"Peixoto",
    u"Coelho",
    u"Aguiar/de",
    u"Bezerra",
    u"Cruz/da",
    u"Vasconcelos/de",
    u"Antunes",
    u"Bastos",
    u"Paiva/de",
    u"Jesus/de",
    u"Conceição/da",
    u"Assis/de",
    u"Lacerda/de",
    u"Queiroz/de",
    u"Fagundes",
    u"Figueiredo/de",
    u"Prado/do",
    u"Rangel",
    u"Toledo/de",
    u"Sampaio",
    u"Barreto",
    u"Brandão",
    u"Leal",
    u"Mota",
    u"Neves/das",
    u"Paula/de",
    u"Pacheco",
    u"Silveira",
    u"Bueno",
    u"Camargo/de",
    u"Franco",
    u"Lins",
    u"Matos/de",
    u"Mendonça/de",
    u"Abreu/de",
    u"Amorim/de",
    u"Arruda",
    u"Bittencourt",
    u"Caldeira",
    u"Couto",
    u"Dantas",
    u"Falcão",
    u"Feitosa",
    u"Frota",
    u"Galvão",
    u"Garcia",
    u"Godoy",
    u"Holanda/de",
    u"Jardim",
    u"Lemos",
    u"Loureiro",
    u"Luz/da",
    u"Maia",
    u"Meireles",
    u"Menezes/de",
    u"Morais/de",
    u"Novaes",
    u"Pimentel",
    u"Portela",
    u"Ramalho",
    u"Resende",
    u"Ribas",
    u"Sá/de",
    u"Serra",
    u"Soares",
    u"Torres",
    u"Valente",
    u"Vargas",
    u"Veloso",
    u"Viana",
    u"Vidal",
    u"Vilela",
    u"Anjos/dos",
    u"Passos/dos",
    u"Prazeres/dos",
    u"Mata/da",
    u"Paixão/da",
    u"Trindade/da",
    u"Rosário/do",
    u"Carmo/do",
    u"Espírito Santo/do",
    u"Bento",
    u"Brum",
    u"Caetano",
    u"Cordeiro",
    u"Damasceno",
    u"Domingues",
    u"Esteves",
    u"Faria",
    u"Fontes",
    u"Galdino",
    u"Gouveia",
    u"Honorato",
    u"Jordão",
    u"Leão",
    u"Lobo",
    u"Lustosa",
    u"Marinho",
    u"Mesquita",
    u"Muniz",
    u"Nóbrega",
    u"Ornelas",
    u"Pedrosa",
    u"Quaresma",
    u"Rebouças",
    u"Sobral",
    u"Tenório",
    u"Uchôa",
    u"Valadares",
    u"Bragança",
    u"Rossi",
    u"Ferrari",
    u"Bianchi",
    u"Romano",
    u"Colombo",
    u"Ricci",
    u"Marino",
    u"Greco",
    u"Gallo",
    u"Conti",
    u"Fontana",
    u"Moretti",
    u"Lombardi",
    u"Barbieri",
    u"Mancini",
    u"Schmidt",
    u"Müller",
    u"Schneider",
    u"Fischer",
    u"Weber",
    u"Becker",
    u"Hoffmann",
    u"Klein",
    u"Koch",
    u"Richter",
    u"Tanaka",
    u"Suzuki",
    u"Watanabe",
    u"Yamamoto",
    u"Nakamura",
    u"Kobayashi",
    u"Sato",
    u"Haddad",
    u"Khoury",
    u"Nassar",
    u"Salomão",
    u"Abdala",
    u"Quintela",
    u"Sardinha",
    u"Teles",
    u"Saraiva",
    u"Aragão",
};

// Second given names that come up mostly after "Maria" or "João".
constexpr QStringView kCompostosFemininos[] = {u"Eduarda",    u"Clara",        u"José",      u"de Fátima",
                                               u"das Graças", u"da Conceição", u"Aparecida", u"Luíza",
                                               u"Helena",     u"Cecília",      u"Júlia",     u"do Socorro"};
constexpr QStringView kCompostosMasculinos[] = {u"Pedro",   u"Carlos",   u"Paulo",   u"Vitor",   u"Henrique",
                                                u"Eduardo", u"Fernando", u"Roberto", u"Augusto", u"Ricardo"};

struct Apelido {
    QStringView nome;
    QStringView apelido;
};
constexpr Apelido kApelidos[] = {
    {u"José", u"Zé"},         {u"João", u"Joãozinho"},    {u"Francisco", u"Chico"}, {u"Antônio", u"Toninho"},
    {u"Sebastião", u"Tião"},  {u"Eduardo", u"Dudu"},      {u"Fernando", u"Nando"},  {u"Roberto", u"Beto"},
    {u"Alberto", u"Beto"},    {u"Rafael", u"Rafa"},       {u"Vinícius", u"Vini"},   {u"Guilherme", u"Gui"},
    {u"Ricardo", u"Cacá"},    {u"Raimundo", u"Mundinho"}, {u"Carlos", u"Carlão"},   {u"Luiz", u"Lula"},
    {u"Beatriz", u"Bia"},     {u"Fernanda", u"Nanda"},    {u"Gabriela", u"Gabi"},   {u"Isabela", u"Bela"},
    {u"Luciana", u"Lu"},      {u"Patrícia", u"Pati"},     {u"Manuela", u"Manu"},    {u"Heloísa", u"Helô"},
    {u"Conceição", u"Ceiça"}, {u"Carolina", u"Carol"},    {u"Daniela", u"Dani"},    {u"Maria", u"Mariazinha"},
    {u"Juliana", u"Ju"},      {u"Mariana", u"Mari"},      {u"Teresinha", u"Tetê"},  {u"Valentina", u"Tina"},
};
constexpr QStringView kApelidosSoltos[] = {u"Baixinho", u"Nenê",  u"Magrão", u"Tuca",   u"Kiko",   u"Juju",
                                           u"Lili",     u"Dinho", u"Tatá",   u"Pipoca", u"Galego", u"Xuxa",
                                           u"Neno",     u"Preta", u"Cabeça", u"Careca", u"Japa",   u"Alemão"};

constexpr QStringView kTratamentos[] = {u"Sr.",  u"Srª",       u"Dr.",        u"Drª.",      u"Prof.",
                                        u"Com.", u"Ilmo. Sr.", u"Ilma. Srª.", u"Ilmo. Dr.", u"V. S."};

// masculine/feminine
constexpr QStringView kProfissoes[] = {
    u"Advogado/Advogada",
    u"Médico/Médica",
    u"Professor/Professora",
    u"Engenheiro/Engenheira",
    u"Contador/Contadora",
    u"Enfermeiro/Enfermeira",
    u"Comerciante/Comerciante",
    u"Motorista/Motorista",
    u"Estudante/Estudante",
    u"Aposentado/Aposentada",
    u"Vendedor/Vendedora",
    u"Pedreiro/Diarista",
    u"Eletricista/Cabeleireira",
    u"Mecânico/Costureira",
    u"Dentista/Dentista",
    u"Farmacêutico/Farmacêutica",
    u"Arquiteto/Arquiteta",
    u"Analista de Sistemas/Analista de Sistemas",
    u"Servidor Público/Servidora Pública",
    u"Policial/Policial",
    u"Bancário/Bancária",
    u"Agricultor/Agricultora",
    u"Autônomo/Autônoma",
    u"Empresário/Empresária",
    u"Psicólogo/Psicóloga",
    u"Jornalista/Jornalista",
    u"Técnico em Enfermagem/Técnica em Enfermagem",
    u"Auxiliar Administrativo/Auxiliar Administrativa",
    u"Cozinheiro/Cozinheira",
    u"Pintor/Manicure",
    u"Porteiro/Recepcionista",
    u"Corretor de Imóveis/Corretora de Imóveis",
    u"Veterinário/Veterinária",
    u"Fisioterapeuta/Fisioterapeuta",
    u"Do Lar/Do Lar",
};

constexpr QStringView kEmpresasTrabalho[] = {
    u"Prefeitura Municipal",
    u"Banco do Brasil",
    u"Caixa Econômica Federal",
    u"Petrobras",
    u"Correios",
    u"Hospital São Lucas",
    u"Colégio Santa Maria",
    u"Supermercado Bom Preço",
    u"Casas Bahia",
    u"Magazine Luiza",
    u"Escola Estadual Tiradentes",
    u"Santa Casa",
    u"Governo do Estado",
    u"Tribunal de Justiça",
    u"Universidade Federal",
    u"Vale",
    u"Itaú Unibanco",
    u"Bradesco",
    u"Clínica Bem Estar",
    u"Construtora Horizonte",
    u"Padaria Pão Quente",
    u"Farmácia Popular",
    u"Autônomo",
    u"Loja própria",
};

constexpr QStringView kProvedores[] = {u"gmail.com",    u"gmail.com",    u"gmail.com",  u"hotmail.com",
                                       u"hotmail.com",  u"yahoo.com.br", u"uol.com.br", u"bol.com.br",
                                       u"terra.com.br", u"outlook.com",  u"ig.com.br",  u"globo.com"};

constexpr QStringView kBancos[] = {u"Banco do Brasil",
                                   u"Caixa Econômica Federal",
                                   u"Itaú",
                                   u"Bradesco",
                                   u"Santander",
                                   u"Nubank",
                                   u"Banco Inter",
                                   u"Sicoob",
                                   u"Banrisul",
                                   u"Banco do Nordeste"};

constexpr QStringView kObservacoes[] = {
    u"Prefere contato por WhatsApp.",
    u"Ligar somente após as 18h.",
    u"Cliente antigo, sempre pontual nos pagamentos.",
    u"Mudou de endereço em março; confirmar o CEP.",
    u"Indicado por um amigo da família.",
    u"Aniversário de casamento em outubro.",
    u"Não gosta de receber correspondência impressa.",
    u"Pediu orçamento para a reforma da cozinha.",
    u"Conheci na reunião do condomínio.",
    u"Telefone comercial só atende de manhã.",
    u"Alérgico a camarão — lembrar no churrasco.",
    u"Filhos: Pedro e Luíza.",
};

// Group names, most used first.
constexpr QStringView kGrupos[] = {
    u"Família",        u"Amigos",
    u"Trabalho",       u"Clientes",
    u"Fornecedores",   u"Vizinhos",
    u"Escola",         u"Faculdade",
    u"Igreja",         u"Academia",
    u"Médicos",        u"Condomínio",
    u"Futebol",        u"Parentes",
    u"Colegas",        u"Prestadores de Serviço",
    u"Contabilidade",  u"Advogados",
    u"Dentistas",      u"Restaurantes",
    u"Oficinas",       u"Bancos",
    u"Imobiliárias",   u"Viagens",
    u"Clube",          u"Associação de Moradores",
    u"Pais da Escola", u"Ex-colegas",
    u"Representantes", u"Diversos",
};

struct Usuario {
    QStringView login;
    QStringView nome;
    QStringView email;
    int tipo;
};
constexpr Usuario kUsuarios[] = {
    {u"ana", u"Ana Beatriz Gonçalves", u"ana.goncalves@gmail.com", 1},
    {u"bruno", u"Bruno Araújo dos Santos", u"bruno.araujo@hotmail.com", 0},
    {u"carla", u"Carla Conceição Ribeiro", u"carla.ribeiro@uol.com.br", 0},
    {u"diego", u"Diego Magalhães Lima", u"diego.lima@gmail.com", 0},
    {u"elaine", u"Elaine Cristina de Souza", u"elaine.souza@yahoo.com.br", 1},
};
// The searches run as this user: its private rows and every public row.
constexpr QStringView kLoginBusca = u"CARLA";

struct Cidade {
    QStringView nome;
    QStringView uf;
    int ddd;
    int cepMin;
    int cepMax;
    double peso;               // a rough share of the population
    QStringView bairros = u""; // "|"-separated; empty: the common district names
};
constexpr Cidade kCidades[] = {
    {u"São Paulo", u"SP", 11, 1000000, 5999999, 120,
     u"Pinheiros|Moema|Vila Mariana|Tatuapé|Santana|Mooca|Lapa|Butantã|Itaquera|Bela Vista|Perdizes|"
     u"Ipiranga|Jabaquara|Santo Amaro|Vila Madalena|Liberdade|Brás|Penha|Freguesia do Ó|Campo Limpo"},
    {u"Rio de Janeiro", u"RJ", 21, 20000000, 23799999, 65,
     u"Copacabana|Tijuca|Botafogo|Barra da Tijuca|Méier|Flamengo|Campo Grande|Madureira|Ipanema|"
     u"Leblon|Laranjeiras|Jacarepaguá|Bangu|Vila Isabel|Grajaú|Penha|Ilha do Governador"},
    {u"Brasília", u"DF", 61, 70000000, 72799999, 30,
     u"Asa Sul|Asa Norte|Lago Sul|Taguatinga|Ceilândia|Guará|Sobradinho|Águas Claras|Cruzeiro|Sudoeste"},
    {u"Salvador", u"BA", 71, 40000000, 42599999, 28,
     u"Barra|Pituba|Itapuã|Liberdade|Brotas|Rio Vermelho|Ondina|Cabula|Paripe|Graça"},
    {u"Fortaleza", u"CE", 85, 60000000, 61599999, 27,
     u"Aldeota|Meireles|Messejana|Benfica|Montese|Parangaba|Papicu|Fátima|Cocó|Jacarecanga"},
    {u"Belo Horizonte", u"MG", 31, 30000000, 31999999, 25,
     u"Savassi|Funcionários|Pampulha|Barreiro|Venda Nova|Santa Efigênia|Lourdes|Sion|Buritis|Floresta"},
    {u"Manaus", u"AM", 92, 69000000, 69099999, 22,
     u"Adrianópolis|Aleixo|Cidade Nova|Flores|Parque Dez de Novembro|Compensa|Educandos|Ponta Negra"},
    {u"Curitiba", u"PR", 41, 80000000, 82999999, 19,
     u"Batel|Água Verde|Bigorrilho|Boqueirão|Portão|Santa Felicidade|Cabral|Cajuru|Rebouças|Juvevê"},
    {u"Recife", u"PE", 81, 50000000, 52999999, 16,
     u"Boa Viagem|Casa Forte|Graças|Espinheiro|Madalena|Várzea|Afogados|Boa Vista|Torre|Pina"},
    {u"Goiânia", u"GO", 62, 74000000, 74899999, 15,
     u"Setor Bueno|Setor Oeste|Setor Marista|Jardim América|Campinas|Setor Sul|Vila Nova"},
    {u"Belém", u"PA", 91, 66000000, 66999999, 15,
     u"Nazaré|Umarizal|Batista Campos|Marco|Pedreira|Guamá|Cremação|Jurunas"},
    {u"Porto Alegre", u"RS", 51, 90000000, 91999999, 14,
     u"Moinhos de Vento|Menino Deus|Bom Fim|Cidade Baixa|Petrópolis|Tristeza|Partenon|Sarandi|Cristal"},
    {u"Guarulhos", u"SP", 11, 7000000, 7399999, 13},
    {u"Campinas", u"SP", 19, 13000000, 13139999, 12,
     u"Cambuí|Taquaral|Barão Geraldo|Castelo|Guanabara|Botafogo|Jardim Chapadão"},
    {u"São Luís", u"MA", 98, 65000000, 65109999, 11},
    {u"São Gonçalo", u"RJ", 21, 24400000, 24799999, 11},
    {u"Maceió", u"AL", 82, 57000000, 57099999, 10, u"Ponta Verde|Pajuçara|Jatiúca|Farol|Benedito Bentes"},
    {u"Natal", u"RN", 84, 59000000, 59139999, 9, u"Ponta Negra|Tirol|Petrópolis|Lagoa Nova|Alecrim"},
    {u"Teresina", u"PI", 86, 64000000, 64099999, 9},
    {u"Campo Grande", u"MS", 67, 79000000, 79129999, 9},
    {u"João Pessoa", u"PB", 83, 58000000, 58099999, 8, u"Manaíra|Tambaú|Cabo Branco|Bancários|Mangabeira"},
    {u"São Bernardo do Campo", u"SP", 11, 9600000, 9899999, 8},
    {u"São José dos Campos", u"SP", 12, 12200000, 12248999, 7},
    {u"Osasco", u"SP", 11, 6000000, 6299999, 7},
    {u"Santo André", u"SP", 11, 9000000, 9299999, 7},
    {u"Ribeirão Preto", u"SP", 16, 14000000, 14114999, 7},
    {u"Uberlândia", u"MG", 34, 38400000, 38415999, 7},
    {u"Sorocaba", u"SP", 15, 18000000, 18109999, 7},
    {u"Contagem", u"MG", 31, 32000000, 32399999, 7},
    {u"Aracaju", u"SE", 79, 49000000, 49099999, 7},
    {u"Feira de Santana", u"BA", 75, 44000000, 44099999, 6},
    {u"Cuiabá", u"MT", 65, 78000000, 78109999, 6},
    {u"Joinville", u"SC", 47, 89200000, 89239999, 6},
    {u"Juiz de Fora", u"MG", 32, 36000000, 36099999, 6},
    {u"Londrina", u"PR", 43, 86000000, 86099999, 6},
    {u"Niterói", u"RJ", 21, 24000000, 24399999, 5, u"Icaraí|Santa Rosa|Fonseca|São Francisco|Ingá"},
    {u"Porto Velho", u"RO", 69, 76800000, 76834999, 5},
    {u"Florianópolis", u"SC", 48, 88000000, 88099999, 5,
     u"Trindade|Ingleses|Canasvieiras|Lagoa da Conceição|Coqueiros|Estreito"},
    {u"Caxias do Sul", u"RS", 54, 95000000, 95124999, 5},
    {u"Macapá", u"AP", 96, 68900000, 68914999, 5},
    {u"Vitória", u"ES", 27, 29000000, 29099999, 4,
     u"Praia do Canto|Jardim Camburi|Jardim da Penha|Bento Ferreira"},
    {u"Santos", u"SP", 13, 11000000, 11099999, 4, u"Gonzaga|Boqueirão|Ponta da Praia|Embaré|Aparecida"},
    {u"Boa Vista", u"RR", 95, 69300000, 69339999, 4},
    {u"Rio Branco", u"AC", 68, 69900000, 69923999, 4},
    {u"Maringá", u"PR", 44, 87000000, 87099999, 4},
    {u"Campina Grande", u"PB", 83, 58400000, 58449999, 4},
    {u"Montes Claros", u"MG", 38, 39400000, 39409999, 4},
    {u"Palmas", u"TO", 63, 77000000, 77249999, 3},
    {u"Petrópolis", u"RJ", 24, 25600000, 25779999, 3},
    {u"Pelotas", u"RS", 53, 96000000, 96099999, 3},
    {u"Mossoró", u"RN", 84, 59600000, 59649999, 3},
    {u"Caruaru", u"PE", 81, 55000000, 55099999, 3},
    {u"Anápolis", u"GO", 62, 75000000, 75139999, 3},
    {u"Blumenau", u"SC", 47, 89000000, 89099999, 3},
    {u"Franca", u"SP", 16, 14400000, 14414999, 3},
    {u"Itabuna", u"BA", 73, 45600000, 45613999, 2},
    {u"Imperatriz", u"MA", 99, 65900000, 65919999, 2},
    {u"Santarém", u"PA", 93, 68000000, 68109999, 2},
    {u"Dourados", u"MS", 67, 79800000, 79849999, 2},
    {u"Rondonópolis", u"MT", 66, 78700000, 78764999, 2},
    {u"Cachoeiro de Itapemirim", u"ES", 28, 29300000, 29319999, 2},
    {u"Arapiraca", u"AL", 82, 57300000, 57319999, 2},
    {u"Parnaíba", u"PI", 86, 64200000, 64219999, 1},
    {u"Ji-Paraná", u"RO", 69, 76900000, 76913999, 1},
    {u"Lagarto", u"SE", 79, 49400000, 49409999, 1},
};

constexpr QStringView kBairrosComuns[] = {
    u"Centro",
    u"Jardim América",
    u"Vila Nova",
    u"São José",
    u"Boa Vista",
    u"Santa Mônica",
    u"Jardim Europa",
    u"Vila Maria",
    u"Santa Cruz",
    u"Industrial",
    u"Jardim Primavera",
    u"Nossa Senhora Aparecida",
    u"São Cristóvão",
    u"Alto da Boa Vista",
    u"Cidade Nova",
    u"Vila Operária",
    u"Jardim Paulista",
    u"Santo Antônio",
    u"São Francisco",
    u"Planalto",
    u"Bela Vista",
    u"Parque das Flores",
    u"Jardim Bela Vista",
    u"Vila Rica",
    u"Conjunto Esperança",
};

constexpr QStringView kLogradouros[] = {
    u"Sete de Setembro",
    u"Quinze de Novembro",
    u"Tiradentes",
    u"Dom Pedro II",
    u"Barão do Rio Branco",
    u"Marechal Deodoro",
    u"Santos Dumont",
    u"Getúlio Vargas",
    u"José Bonifácio",
    u"das Flores",
    u"São João",
    u"Duque de Caxias",
    u"Rui Barbosa",
    u"Castro Alves",
    u"Machado de Assis",
    u"Padre Anchieta",
    u"Presidente Vargas",
    u"da Independência",
    u"Joaquim Nabuco",
    u"Visconde de Mauá",
    u"Princesa Isabel",
    u"Treze de Maio",
    u"Primeiro de Maio",
    u"Floriano Peixoto",
    u"Benjamin Constant",
    u"Coronel Fernandes",
    u"Monteiro Lobato",
    u"Carlos Gomes",
    u"Olavo Bilac",
    u"Cecília Meireles",
    u"Santa Catarina",
    u"Paraná",
    u"Bahia",
    u"Amazonas",
    u"Goiás",
    u"Pernambuco",
    u"Minas Gerais",
    u"Brasil",
    u"das Palmeiras",
    u"dos Ipês",
    u"das Acácias",
    u"dos Andradas",
    u"Voluntários da Pátria",
    u"General Osório",
    u"Almirante Barroso",
    u"Frei Caneca",
    u"Padre Cícero",
    u"Senador Pompeu",
    u"Afonso Pena",
    u"Ipiranga",
    u"Borges de Medeiros",
    u"Rio Branco",
    u"Conselheiro Nébias",
    u"Doutor Arnaldo",
    u"Professor Alfredo Gomes",
    u"Atlântica",
};

constexpr QStringView kComplementos[] = {u"Apto 101", u"Apto 302",         u"Apto 1204",
                                         u"Casa 2",   u"Bloco B, Apto 43", u"Fundos",
                                         u"Sala 812", u"Casa dos fundos",  u"Apto 51, Torre 2",
                                         u"Térreo",   u"Cobertura",        u"Lote 7, Quadra 12"};

constexpr QStringView kRamos[] = {
    u"Padaria",
    u"Farmácia",
    u"Auto Peças",
    u"Mercearia",
    u"Supermercado",
    u"Papelaria",
    u"Construtora",
    u"Transportadora",
    u"Imobiliária",
    u"Contabilidade",
    u"Clínica Odontológica",
    u"Laboratório",
    u"Escola",
    u"Academia",
    u"Restaurante",
    u"Lanchonete",
    u"Pizzaria",
    u"Oficina Mecânica",
    u"Distribuidora",
    u"Comércio de Tecidos",
    u"Livraria",
    u"Ótica",
    u"Pet Shop",
    u"Salão de Beleza",
    u"Materiais de Construção",
    u"Informática",
    u"Gráfica",
    u"Serralheria",
    u"Marcenaria",
    u"Vidraçaria",
    u"Agropecuária",
    u"Hotel",
    u"Pousada",
    u"Lavanderia",
    u"Despachante",
    u"Açougue",
    u"Sorveteria",
    u"Confeitaria",
    u"Floricultura",
    u"Advocacia",
};
constexpr QStringView kFantasias[] = {
    u"São Jorge",   u"Santa Luzia", u"Bom Jesus", u"Nossa Senhora Aparecida",
    u"Progresso",   u"Esperança",   u"Central",   u"Brasil",
    u"Estrela",     u"Primavera",   u"Ipê",       u"Horizonte",
    u"Aliança",     u"Real",        u"Nova Era",  u"Boa Vista",
    u"do Povo",     u"Mineira",     u"Paulista",  u"Carioca",
    u"Gaúcha",      u"Nordeste",    u"Atlântico", u"Sol Nascente",
    u"Pão Quente",  u"Bom Preço",   u"Avenida",   u"União",
    u"Vitória",     u"Planalto",    u"Cristal",   u"Ouro Verde",
    u"Três Irmãos", u"Pioneira",
};
constexpr QStringView kSufixos[] = {u"Ltda", u"Ltda", u"ME",  u"EIRELI",    u"S.A.",
                                    u"",     u"",     u"EPP", u"Ltda. - ME"};
constexpr QStringView kFuncoes[] = {u"contato", u"vendas",    u"financeiro",
                                    u"sac",     u"comercial", u"atendimento"};

// ------------------------------------------------------------ values to bind

struct Value {
    enum class Kind { Null, Text, Int, Date, TextBlob };
    Kind kind = Kind::Null;
    QString text;
    qint64 number = 0; // an integer, or a date's day number from 30/12/1899
};

Value text(const QString &s)
{
    return {Value::Kind::Text, s, 0};
}
Value text(QStringView s)
{
    return text(s.toString());
}
Value integer(qint64 n)
{
    return {Value::Kind::Int, {}, n};
}
Value dayNumber(int n)
{
    return {Value::Kind::Date, {}, n};
}
Value null()
{
    return {};
}
Value textBlob(const QString &s)
{
    return {Value::Kind::TextBlob, s, 0};
}

struct Param {
    QString name;
    Value value;
};
using Row = std::vector<Param>;

void bind(Query &q, const Param &p)
{
    switch (p.value.kind) {
    case Value::Kind::Null: q.setNull(p.name); break;
    case Value::Kind::Text: q.setText(p.name, p.value.text); break;
    case Value::Kind::Int: q.setInt64(p.name, p.value.number); break;
    case Value::Kind::Date: q.setDate(p.name, double(p.value.number)); break;
    case Value::Kind::TextBlob: q.setTextBlob(p.name, p.value.text); break;
    }
}

// The value as an SQL literal, for isql.
QString literal(const Value &v)
{
    switch (v.kind) {
    case Value::Kind::Null: return QStringLiteral("NULL");
    case Value::Kind::Int: return QString::number(v.number);
    case Value::Kind::Date:
        return QStringLiteral("DATE '") + DateTimeToQDate(TDateTime(v.number)).toString(Qt::ISODate) +
               QLatin1Char('\'');
    case Value::Kind::Text:
    case Value::Kind::TextBlob: break;
    }
    QString s = v.text;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

// The statement with each ":NAME" replaced by its value, for isql.
QString withLiterals(QString sql, const Row &params)
{
    for (const Param &p : params) {
        const QRegularExpression re(QStringLiteral(":") + p.name + QStringLiteral("\\b"));
        sql.replace(re, literal(p.value));
    }
    return sql;
}

// ------------------------------------------------------------ generators

QString ascii(const QString &s)
{
    const QString d = s.normalized(QString::NormalizationForm_D);
    QString out;
    for (QChar c : d) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetterOrNumber() && c.unicode() < 128)
            out += c.toLower();
    }
    return out;
}

// CPF: nine digits and two check digits, each 11 minus the weighted sum mod 11 (0 for 10 and 11).
QString cpfCom(const QString &nove)
{
    int d[11];
    for (int i = 0; i < 9; ++i)
        d[i] = nove[i].digitValue();
    for (int k = 9; k <= 10; ++k) {
        int sum = 0;
        for (int i = 0; i < k; ++i)
            sum += d[i] * (k + 1 - i);
        const int r = sum % 11;
        d[k] = r < 2 ? 0 : 11 - r;
    }
    QString s;
    for (int v : d)
        s += QChar(u'0' + v);
    return s;
}

QString cnpjCom(const QString &doze)
{
    static const int w1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int w2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    int d[14];
    for (int i = 0; i < 12; ++i)
        d[i] = doze[i].digitValue();
    for (int k = 12; k <= 13; ++k) {
        const int *w = k == 12 ? w1 : w2;
        int sum = 0;
        for (int i = 0; i < k; ++i)
            sum += d[i] * w[i];
        const int r = sum % 11;
        d[k] = r < 2 ? 0 : 11 - r;
    }
    QString s;
    for (int v : d)
        s += QChar(u'0' + v);
    return s;
}

class Gerador {
public:
    explicit Gerador(quint64 seed)
        : m_rng(seed), m_femininos(Weighted::zipf(std::size(kFemininos), 4)),
          m_masculinos(Weighted::zipf(std::size(kMasculinos), 4)),
          m_sobrenomes(Weighted::zipf(std::size(kSobrenomes), 2)),
          m_grupos(Weighted::zipf(std::size(kGrupos), 3)), m_cidades(pesosCidades())
    {
    }

    std::vector<int> codigosGrupo; // COD_GRUPO of kGrupos[i]

    Row pessoaFisica();
    Row pessoaJuridica();

private:
    static Weighted pesosCidades()
    {
        std::vector<double> w;
        for (const Cidade &c : kCidades)
            w.push_back(c.peso);
        return Weighted(w);
    }

    QString sobrenome(bool comParticula)
    {
        const QString s = kSobrenomes[size_t(m_sobrenomes.pick(m_rng))].toString();
        const qsizetype slash = s.indexOf(QLatin1Char('/'));
        if (slash < 0)
            return s;
        if (comParticula)
            return s.mid(slash + 1) + QLatin1Char(' ') + s.left(slash);
        return s.left(slash);
    }

    QString telefone(int ddd, bool celular)
    {
        const QString primeiro = celular ? QStringLiteral("9") : QString::number(m_rng.between(2, 5));
        return QString::number(ddd) + primeiro + m_rng.digits(7);
    }

    int data(int anoMin, int anoMax)
    {
        const int first = int(EncodeDate(anoMin, 1, 1));
        const int last = int(EncodeDate(anoMax, 12, 31));
        return m_rng.between(first, last);
    }

    QString login() { return kUsuarios[size_t(m_rng.below(int(std::size(kUsuarios))))].login.toString(); }

    struct Endereco {
        const Cidade *cidade;
        QString rua, bairro, complemento;
        int numero, cep, cp;
    };
    Endereco endereco(bool empresa);
    void contas(Row &row, double chance, const QString &titular);
    void visibilidade(Row &row);

    Rng m_rng;
    Weighted m_femininos, m_masculinos, m_sobrenomes, m_grupos, m_cidades;
};

Gerador::Endereco Gerador::endereco(bool empresa)
{
    Endereco e;
    e.cidade = &kCidades[size_t(m_cidades.pick(m_rng))];
    static const QStringView tipos[] = {u"Rua",     u"Rua",     u"Rua",      u"Rua",     u"Rua",
                                        u"Rua",     u"Rua",     u"Rua",      u"Rua",     u"Rua",
                                        u"Rua",     u"Rua",     u"Rua",      u"Rua",     u"Avenida",
                                        u"Avenida", u"Avenida", u"Travessa", u"Alameda", u"Praça"};
    const QString tipo = any<QStringView>(m_rng, tipos).toString();
    if (m_rng.chance(0.25)) {
        // streets named after people are as common as any
        const QStringView &n =
            m_rng.chance(0.5) ? any<QStringView>(m_rng, kMasculinos) : any<QStringView>(m_rng, kFemininos);
        e.rua = tipo + QLatin1Char(' ') + n.toString() + QLatin1Char(' ') + sobrenome(false);
    } else {
        e.rua = tipo + QLatin1Char(' ') + any<QStringView>(m_rng, kLogradouros).toString();
    }
    const QStringList bairros = e.cidade->bairros.toString().split(QLatin1Char('|'), Qt::SkipEmptyParts);
    if (bairros.isEmpty() || m_rng.chance(0.15))
        e.bairro = any<QStringView>(m_rng, kBairrosComuns).toString();
    else
        e.bairro = bairros[m_rng.below(int(bairros.size()))];
    e.numero = m_rng.chance(0.7) ? m_rng.between(1, 600) : m_rng.between(1, 4000);
    e.cep = m_rng.between(e.cidade->cepMin, e.cidade->cepMax);
    e.cp = m_rng.chance(empresa ? 0.1 : 0.02) ? m_rng.between(100, 99999) : 0;
    e.complemento =
        m_rng.chance(empresa ? 0.4 : 0.35) ? any<QStringView>(m_rng, kComplementos).toString() : QString();
    return e;
}

void Gerador::contas(Row &row, double chance, const QString &titular)
{
    static const QStringView sufixos[] = {u"", u"02", u"03"};
    for (int i = 0; i < 3; ++i) {
        const QString s = sufixos[i].toString();
        const bool tem = m_rng.chance(i == 0 ? chance : chance / (4 * i));
        row.push_back({QStringLiteral("NOME_BANCO") + s,
                       text(tem ? any<QStringView>(m_rng, kBancos).toString() : QString())});
        row.push_back({QStringLiteral("AGENCIA") + s, text(tem ? m_rng.digits(4) : QString())});
        row.push_back(
            {QStringLiteral("NRO_CONTA") + s,
             text(tem ? m_rng.digits(m_rng.between(5, 8)) + QLatin1Char('-') + m_rng.digits(1) : QString())});
        row.push_back({QStringLiteral("TITULAR_CONTA") + s, text(tem ? titular.left(60) : QString())});
    }
}

void Gerador::visibilidade(Row &row)
{
    // 20% private, spread over the users; public rows also carry their author
    const bool privada = m_rng.chance(0.2);
    row.push_back({QStringLiteral("PUBLICA"), integer(privada ? 0 : 1)});
    row.push_back({QStringLiteral("LOGIN"), text(login())});
}

Row Gerador::pessoaFisica()
{
    Rng &r = m_rng;
    const bool feminino = r.chance(0.52);
    const QString primeiro = feminino ? kFemininos[size_t(m_femininos.pick(r))].toString()
                                      : kMasculinos[size_t(m_masculinos.pick(r))].toString();
    QString nome = primeiro;
    if (primeiro == QLatin1String("Maria") && r.chance(0.5))
        nome += QLatin1Char(' ') + any<QStringView>(r, kCompostosFemininos).toString();
    else if ((primeiro == QLatin1String("João") || primeiro == QLatin1String("José")) && r.chance(0.4))
        nome += QLatin1Char(' ') + any<QStringView>(r, kCompostosMasculinos).toString();
    else if (r.chance(0.2)) {
        const QString segundo = feminino ? kFemininos[size_t(m_femininos.pick(r))].toString()
                                         : kMasculinos[size_t(m_masculinos.pick(r))].toString();
        if (segundo != primeiro)
            nome += QLatin1Char(' ') + segundo;
    }
    const double q = r.unit();
    const int quantos = q < 0.3 ? 1 : q < 0.9 ? 2 : 3;
    QString ultimo;
    for (int i = 0; i < quantos; ++i) {
        const QString s = sobrenome(r.chance(i + 1 == quantos ? 0.45 : 0.25));
        if (nome.size() + 1 + s.size() > 100)
            break;
        nome += QLatin1Char(' ') + s;
        ultimo = s.section(QLatin1Char(' '), -1);
    }

    QString apelido;
    if (r.chance(0.45)) {
        for (const Apelido &a : kApelidos)
            if (a.nome == primeiro && r.chance(0.7))
                apelido = a.apelido.toString();
        if (apelido.isEmpty())
            apelido = r.chance(0.5) ? primeiro : any<QStringView>(r, kApelidosSoltos).toString();
    }

    const Endereco e = endereco(false);
    const int ddd = e.cidade->ddd;
    const bool nasceu = r.chance(0.88);
    const int nascimento = nasceu ? data(1935, 2012) : 0;
    QString email;
    if (r.chance(0.8)) {
        static const QStringView seps[] = {u".", u"_", u""};
        email = ascii(primeiro) + any<QStringView>(r, seps).toString() + ascii(ultimo);
        if (r.chance(0.5))
            email += QString::number(nasceu ? DateTimeToQDate(nascimento).year() % 100 : r.between(1, 999));
        email += QLatin1Char('@') + any<QStringView>(r, kProvedores).toString();
    }
    const QString profissao = r.chance(0.75)
                                  ? any<QStringView>(r, kProfissoes)
                                        .toString()
                                        .section(QLatin1Char('/'), feminino ? 1 : 0, feminino ? 1 : 0)
                                  : QString();
    const bool temTitulo = r.chance(0.35);
    const bool visa = r.chance(0.08), master = r.chance(0.06);
    const double t = r.unit();
    const int tipoCliente = t < 0.55 ? 0 : t < 0.8 ? 1 : t < 0.9 ? 2 : 3;
    const double ec = r.unit();
    const bool matricula = r.chance(0.05);
    QString obs;
    if (r.chance(0.12))
        obs = any<QStringView>(r, kObservacoes).toString();

    Row row;
    row.reserve(56);
    row.push_back({QStringLiteral("COD_GRUPO"), integer(codigosGrupo[size_t(m_grupos.pick(r))])});
    row.push_back({QStringLiteral("NOME"), text(nome)});
    row.push_back({QStringLiteral("TRATAMENTO"),
                   text(r.chance(0.3) ? any<QStringView>(r, kTratamentos).toString() : QString())});
    row.push_back({QStringLiteral("OBS"), textBlob(obs)});
    row.push_back({QStringLiteral("APELIDO"), text(apelido)});
    row.push_back({QStringLiteral("EMAIL"), text(email)});
    row.push_back(
        {QStringLiteral("FONE_RESIDENCIAL"), text(r.chance(0.6) ? telefone(ddd, false) : QString())});
    row.push_back(
        {QStringLiteral("FONE_COMERCIAL"), text(r.chance(0.35) ? telefone(ddd, false) : QString())});
    row.push_back({QStringLiteral("FONE_CELULAR"), text(r.chance(0.85) ? telefone(ddd, true) : QString())});
    row.push_back({QStringLiteral("PROFISSAO"), text(profissao)});
    row.push_back({QStringLiteral("LOCAL_TRABALHO"),
                   text(r.chance(0.4) ? any<QStringView>(r, kEmpresasTrabalho).toString() : QString())});
    row.push_back({QStringLiteral("DATA_NASCIMENTO"), nasceu ? dayNumber(nascimento) : null()});
    row.push_back({QStringLiteral("SEXO"), integer(feminino ? 1 : 0)});
    row.push_back({QStringLiteral("ESTADO_CIVIL"), integer(ec < 0.35 ? 0 : ec < 0.8 ? 1 : ec < 0.9 ? 2 : 3)});
    row.push_back({QStringLiteral("RUA"), text(e.rua)});
    row.push_back({QStringLiteral("NUMERO"), integer(e.numero)});
    row.push_back({QStringLiteral("BAIRRO"), text(e.bairro)});
    row.push_back({QStringLiteral("CIDADE"), text(e.cidade->nome)});
    row.push_back({QStringLiteral("ESTADO"), text(e.cidade->uf)});
    row.push_back({QStringLiteral("CEP"), integer(e.cep)});
    row.push_back({QStringLiteral("CP"), integer(e.cp)});
    row.push_back({QStringLiteral("COMPLEMENTO"), text(e.complemento)});
    row.push_back({QStringLiteral("INFORMAR_ANIVERSARIO"), integer(nasceu && r.chance(0.4) ? 1 : 0)});
    row.push_back({QStringLiteral("ENVIAR"), integer(r.chance(0.7) ? 1 : 0)});
    QString cpf = QStringLiteral("00000000000");
    if (r.chance(0.75)) {
        do
            cpf = cpfCom(r.digits(9));
        while (cpf.count(cpf[0]) == 11); // 111.111.111-11 and the like are refused
    }
    row.push_back({QStringLiteral("CPF"), text(cpf)});
    row.push_back(
        {QStringLiteral("MSN"), text(r.chance(0.08) ? ascii(primeiro) + QString::number(r.between(1, 99)) +
                                                          QStringLiteral("@hotmail.com")
                                                    : QString())});
    visibilidade(row);
    row.push_back(
        {QStringLiteral("TITULO"), text(temTitulo ? r.digits(13) : QStringLiteral("0000000000000"))});
    row.push_back({QStringLiteral("ZONA"), integer(temTitulo ? r.between(1, 450) : 0)});
    row.push_back({QStringLiteral("SECCAO"), integer(temTitulo ? r.between(1, 999) : 0)});
    row.push_back({QStringLiteral("CARTAO_VISA"),
                   text(visa ? QStringLiteral("4") + r.digits(15) : QStringLiteral("0000000000000000"))});
    row.push_back({QStringLiteral("COD_VISA"), integer(visa ? r.between(100, 999) : 0)});
    row.push_back({QStringLiteral("CARTAO_MASTER"),
                   text(master ? QStringLiteral("5") + r.digits(15) : QStringLiteral("0000000000000000"))});
    row.push_back({QStringLiteral("COD_MASTER"), integer(master ? r.between(100, 999) : 0)});
    row.push_back({QStringLiteral("TIPO_CLIENTE"), integer(tipoCliente)});
    row.push_back({QStringLiteral("RG"),
                   text(r.chance(0.6) ? r.digits(2) + QLatin1Char('.') + r.digits(3) + QLatin1Char('.') +
                                            r.digits(3) + QLatin1Char('-') + r.digits(1)
                                      : QString())});
    row.push_back({QStringLiteral("CLIENTE_DESDE"), tipoCliente == 1 ? dayNumber(data(2000, 2024)) : null()});
    row.push_back({QStringLiteral("VENDEDORA"), text(tipoCliente == 1 ? login() : QString())});
    row.push_back({QStringLiteral("GUIA"), integer(r.chance(0.04) ? 1 : 0)});
    contas(row, 0.2, nome);
    row.push_back({QStringLiteral("VOIP"),
                   text(r.chance(0.03) ? ascii(primeiro) + QLatin1Char('.') + ascii(ultimo) : QString())});
    row.push_back({QStringLiteral("P_MATRICULA"), text(matricula ? r.digits(6) : QString())});
    const int entrada = matricula ? data(1990, 2023) : 0;
    row.push_back({QStringLiteral("P_DATA_ENTRADA"), matricula ? dayNumber(entrada) : null()});
    row.push_back({QStringLiteral("P_DATA_DISPENSA"),
                   matricula && r.chance(0.3) ? dayNumber(entrada + r.between(30, 3000)) : null()});
    return row;
}

Row Gerador::pessoaJuridica()
{
    Rng &r = m_rng;
    const QString ramo = any<QStringView>(r, kRamos).toString();
    QString nome;
    QString marca;
    if (r.chance(0.35)) {
        const QString familia = sobrenome(false);
        marca = familia;
        nome = r.chance(0.5) ? familia + QStringLiteral(" & Filhos ") + ramo
                             : ramo + QLatin1Char(' ') + familia + QStringLiteral(" Irmãos");
    } else {
        marca = any<QStringView>(r, kFantasias).toString();
        nome = ramo + QLatin1Char(' ') + marca;
    }
    const QString sufixo = any<QStringView>(r, kSufixos).toString();
    if (!sufixo.isEmpty())
        nome += QLatin1Char(' ') + sufixo;
    const QString dominio = ascii(ramo).left(12) + ascii(marca).left(16) + QStringLiteral(".com.br");
    const Endereco e = endereco(true);
    const int ddd = e.cidade->ddd;
    QString ie = QStringLiteral("ISENTO");
    if (r.chance(0.75))
        ie = e.cidade->uf == QLatin1String("SP")
                 ? r.digits(3) + QLatin1Char('.') + r.digits(3) + QLatin1Char('.') + r.digits(3) +
                       QLatin1Char('.') + r.digits(3)
                 : r.digits(9);

    Row row;
    row.reserve(37);
    row.push_back({QStringLiteral("COD_GRUPO"), integer(codigosGrupo[size_t(m_grupos.pick(r))])});
    row.push_back({QStringLiteral("NOME"), text(nome)});
    row.push_back({QStringLiteral("OBS"),
                   textBlob(r.chance(0.15) ? any<QStringView>(r, kObservacoes).toString() : QString())});
    row.push_back({QStringLiteral("CNPJ"),
                   text(r.chance(0.9) ? cnpjCom(r.digits(8) + QStringLiteral("0001")) : QString())});
    row.push_back({QStringLiteral("IE"), text(ie)});
    row.push_back({QStringLiteral("FONE"), text(telefone(ddd, false))});
    row.push_back({QStringLiteral("FONE_FAX"), text(r.chance(0.3) ? telefone(ddd, false) : QString())});
    row.push_back({QStringLiteral("FONE_CEL"), text(r.chance(0.5) ? telefone(ddd, true) : QString())});
    row.push_back({QStringLiteral("FONE0800"),
                   text(r.chance(0.08) ? QStringLiteral("0800") + r.digits(7) : QString())});
    row.push_back({QStringLiteral("FONE0300"),
                   text(r.chance(0.02) ? QStringLiteral("0300") + r.digits(7) : QString())});
    row.push_back({QStringLiteral("EMAIL"),
                   text(r.chance(0.85) ? any<QStringView>(r, kFuncoes).toString() + QLatin1Char('@') + dominio
                                       : QString())});
    row.push_back(
        {QStringLiteral("HOME_PAGE"), text(r.chance(0.5) ? QStringLiteral("www.") + dominio : QString())});
    row.push_back({QStringLiteral("RUA"), text(e.rua)});
    row.push_back({QStringLiteral("NUMERO"), integer(e.numero)});
    row.push_back({QStringLiteral("BAIRRO"), text(e.bairro)});
    row.push_back({QStringLiteral("CIDADE"), text(e.cidade->nome)});
    row.push_back({QStringLiteral("ESTADO"), text(e.cidade->uf)});
    row.push_back({QStringLiteral("CEP"), integer(e.cep)});
    row.push_back({QStringLiteral("CP"), integer(e.cp)});
    row.push_back({QStringLiteral("COMPLEMENTO"), text(e.complemento)});
    row.push_back({QStringLiteral("ENVIAR"), integer(r.chance(0.8) ? 1 : 0)});
    visibilidade(row);
    row.push_back({QStringLiteral("GUIA"), integer(r.chance(0.05) ? 1 : 0)});
    row.push_back({QStringLiteral("VOIP"), text(r.chance(0.03) ? ascii(marca) : QString())});
    contas(row, 0.4, nome);
    return row;
}

// ------------------------------------------------------------ statements

// The record classes' INSERT statements, word for word.
const QString kInsertPessoaFisica = QStringLiteral(
    "INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, TRATAMENTO, OBS, APELIDO, EMAIL, FONE_RESIDENCIAL, "
    "FONE_COMERCIAL, FONE_CELULAR, PROFISSAO, LOCAL_TRABALHO, DATA_NASCIMENTO, SEXO, ESTADO_CIVIL, RUA, "
    "NUMERO, BAIRRO, CIDADE, ESTADO, CEP, CP, COMPLEMENTO, INFORMAR_ANIVERSARIO, ENVIAR, CPF, MSN, PUBLICA, "
    "LOGIN, TITULO, ZONA, SECCAO, CARTAO_VISA, COD_VISA, CARTAO_MASTER, COD_MASTER, TIPO_CLIENTE, RG, "
    "CLIENTE_DESDE, VENDEDORA, GUIA, NOME_BANCO, AGENCIA, NRO_CONTA, TITULAR_CONTA, VOIP, P_MATRICULA, "
    "P_DATA_ENTRADA, P_DATA_DISPENSA, NOME_BANCO02, AGENCIA02, NRO_CONTA02, TITULAR_CONTA02, NOME_BANCO03, "
    "AGENCIA03, NRO_CONTA03, TITULAR_CONTA03) VALUES (:COD_GRUPO, :NOME, :TRATAMENTO, :OBS, :APELIDO, "
    ":EMAIL, :FONE_RESIDENCIAL, :FONE_COMERCIAL, :FONE_CELULAR, :PROFISSAO, :LOCAL_TRABALHO, "
    ":DATA_NASCIMENTO, :SEXO, :ESTADO_CIVIL, :RUA, :NUMERO, :BAIRRO, :CIDADE, :ESTADO, :CEP, :CP, "
    ":COMPLEMENTO, :INFORMAR_ANIVERSARIO, :ENVIAR, :CPF, :MSN, :PUBLICA, :LOGIN, :TITULO, :ZONA, :SECCAO, "
    ":CARTAO_VISA, :COD_VISA, :CARTAO_MASTER, :COD_MASTER, :TIPO_CLIENTE, :RG, :CLIENTE_DESDE, :VENDEDORA, "
    ":GUIA, :NOME_BANCO, :AGENCIA, :NRO_CONTA, :TITULAR_CONTA, :VOIP, :P_MATRICULA, :P_DATA_ENTRADA, "
    ":P_DATA_DISPENSA, :NOME_BANCO02, :AGENCIA02, :NRO_CONTA02, :TITULAR_CONTA02, :NOME_BANCO03, :AGENCIA03, "
    ":NRO_CONTA03, :TITULAR_CONTA03) ");

const QString kInsertPessoaJuridica = QStringLiteral(
    "INSERT INTO PESSOAJURIDICA (COD_GRUPO, NOME, OBS, CNPJ, IE, FONE, FONE_FAX, FONE_CEL, FONE_0800, "
    "FONE_0300, EMAIL, HOME_PAGE, RUA, NUMERO, BAIRRO, CIDADE, ESTADO, CEP, CP, COMPLEMENTO, ENVIAR, "
    "PUBLICA, "
    "LOGIN, GUIA, VOIP, NOME_BANCO, AGENCIA, NRO_CONTA, TITULAR_CONTA, NOME_BANCO02, AGENCIA02, NRO_CONTA02, "
    "TITULAR_CONTA02, NOME_BANCO03, AGENCIA03, NRO_CONTA03, TITULAR_CONTA03) VALUES (:COD_GRUPO, :NOME, "
    ":OBS, "
    ":CNPJ, :IE, :FONE, :FONE_FAX, :FONE_CEL, :FONE0800, :FONE0300, :EMAIL, :HOME_PAGE, :RUA, :NUMERO, "
    ":BAIRRO, :CIDADE, :ESTADO, :CEP, :CP, :COMPLEMENTO, :ENVIAR, :PUBLICA, :LOGIN, :GUIA, :VOIP, "
    ":NOME_BANCO, :AGENCIA, :NRO_CONTA, :TITULAR_CONTA, :NOME_BANCO02, :AGENCIA02, :NRO_CONTA02, "
    ":TITULAR_CONTA02, :NOME_BANCO03, :AGENCIA03, :NRO_CONTA03, :TITULAR_CONTA03)");

// The individual's load (Carregar): every column of the row and its group.
const QString kCarregar = QStringLiteral("SELECT * FROM PESSOAFISICA P, GRUPO G  WHERE IDENTIFICADOR = "
                                         ":IDENTIFICADOR AND P.COD_GRUPO = G.COD_GRUPO ");

const QString kSelectGrade = QStringLiteral("SELECT PF.IDENTIFICADOR, PF.NOME, G.NOME_GRUPO");
const QString kFromVisivel = QStringLiteral(" FROM PESSOAFISICA PF INNER JOIN GRUPO G ON PF.COD_GRUPO = "
                                            "G.COD_GRUPO WHERE (UPPER(PF.LOGIN) = :LOGIN OR PF.PUBLICA = "
                                            ":PUBLICA) AND ");

struct Busca {
    QString nome; // as printed
    QString sql;
    Row params;
};

std::vector<Busca> buscas(int codigoGrupo, const QString &nomeGrupo, int mes)
{
    const Row visivel = {{QStringLiteral("LOGIN"), text(kLoginBusca)},
                         {QStringLiteral("PUBLICA"), integer(1)}};
    auto with = [&](std::initializer_list<Param> extra) {
        Row r = visivel;
        r.insert(r.end(), extra);
        return r;
    };
    return {
        {QStringLiteral("search name '%SILVA%'"),
         kSelectGrade + kFromVisivel + QStringLiteral("UPPER(PF.NOME) LIKE :NOME ORDER BY PF.NOME"),
         with({{QStringLiteral("NOME"), text(QStringLiteral("%SILVA%"))}})},
        {QStringLiteral("search phonetic '%SOUZA%'"),
         kSelectGrade + kFromVisivel + QStringLiteral("F_NOME LIKE SOUNDEX('%SOUZA%' ) ORDER BY PF.NOME"),
         visivel},
        {QStringLiteral("search group '") + nomeGrupo + QLatin1Char('\''),
         kSelectGrade + kFromVisivel + QStringLiteral("PF.COD_GRUPO = :GRUPO ORDER BY PF.NOME"),
         with({{QStringLiteral("GRUPO"), integer(codigoGrupo)}})},
        {QStringLiteral("search birthdays of month ") + QString::number(mes),
         kSelectGrade + QStringLiteral(", PF.DATA_NASCIMENTO") + kFromVisivel +
             QStringLiteral("EXTRACT(MONTH FROM PF.DATA_NASCIMENTO) = :MES AND PF.INFORMAR_ANIVERSARIO = 1 "
                            "ORDER BY EXTRACT(DAY FROM PF.DATA_NASCIMENTO), PF.NOME"),
         with({{QStringLiteral("MES"), integer(mes)}})},
    };
}

// ------------------------------------------------------------ our side

struct LinhaGrade {
    int identificador = 0;
    QString nome;
    QString grupo;
    double nascimento = 0;
};

struct Tempo {
    double statement = 0; // prepare to the last row read
    double operation = 0; // the same with the transaction's start and commit
};

// One search as a screen runs it: its own transaction, prepare, bind, every
// row into the grid, commit. *rows: the row count.
Tempo buscar(Database &db, const Busca &b, int *rows)
{
    const Cronometro::time_point start = Cronometro::now();
    std::vector<LinhaGrade> grade;
    Transaction t(db);
    const Cronometro::time_point prepare = Cronometro::now();
    {
        Query q(t, b.sql);
        for (const Param &p : b.params)
            bind(q, p);
        q.open();
        const Field id = q.field(QStringLiteral("IDENTIFICADOR"));
        const Field nome = q.field(QStringLiteral("NOME"));
        const Field grupo = q.field(QStringLiteral("NOME_GRUPO"));
        const bool temData = q.hasField(QStringLiteral("DATA_NASCIMENTO"));
        const Field nascimento =
            q.field(temData ? QStringLiteral("DATA_NASCIMENTO") : QStringLiteral("NOME"));
        while (q.next()) {
            LinhaGrade l;
            l.identificador = id.asInt();
            l.nome = nome.asString();
            l.grupo = grupo.asString();
            if (temData)
                l.nascimento = nascimento.asDate();
            grade.push_back(std::move(l));
        }
    }
    Tempo tempo;
    tempo.statement = msSince(prepare);
    t.commit();
    tempo.operation = msSince(start);
    *rows = int(grade.size());
    return tempo;
}

// One load as the record class does it: its own transaction, every column
// read. *statementMs gets the time from prepare to the last column read.
bool carregar(Database &db, int id, qint64 *chars, double *statementMs)
{
    Transaction t(db);
    bool found = false;
    const Cronometro::time_point prepare = Cronometro::now();
    {
        Query q(t, kCarregar);
        q.setInt(QStringLiteral("IDENTIFICADOR"), id);
        q.open();
        if (q.next()) {
            found = true;
            for (int i = 0; i < q.fieldCount(); ++i)
                *chars += q.field(i).asString().size();
        }
    }
    *statementMs += msSince(prepare);
    t.commit();
    return found;
}

void executar(Database &db, const QString &sql)
{
    Transaction t(db);
    {
        Query q(t, sql);
        q.execute();
    }
    t.commit();
}

// Inserts `count` rows made by `make`, `batch` rows per transaction; returns
// the milliseconds spent in the database (the rows are made before each batch
// and that time is left out).
template <typename Make>
double preencher(Database &db, const QString &sql, int count, int batch, Make make)
{
    double total = 0;
    std::vector<Row> rows;
    for (int done = 0; done < count; done += batch) {
        rows.clear();
        for (int i = done; i < std::min(count, done + batch); ++i)
            rows.push_back(make());
        const Cronometro::time_point start = Cronometro::now();
        Transaction t(db);
        {
            Query q(t, sql); // prepared once per batch
            for (const Row &row : rows) {
                for (const Param &p : row)
                    bind(q, p);
                q.execute();
            }
        }
        t.commit();
        total += msSince(start);
    }
    return total;
}

// ------------------------------------------------------------ through the record class

// Answers every duplicate-name question with Yes, as a user pressing on would.
class SempreSim : public MessageService {
public:
    int perguntas = 0;
    void show(const QString &, Kind) override {}
    bool confirm(const QString &) override
    {
        ++perguntas;
        return true;
    }
};

const Value *campo(const Row &row, QStringView name)
{
    for (const Param &p : row)
        if (p.name == name)
            return &p.value;
    return nullptr;
}

QString textoDe(const Row &row, QStringView name)
{
    const Value *v = campo(row, name);
    return v ? v->text : QString();
}

qint64 numeroDe(const Row &row, QStringView name)
{
    const Value *v = campo(row, name);
    return v ? v->number : 0;
}

// The generated row as the entry screen would hand it to the class.
void paraRegistro(const Row &row, TPessoaFisica &pf)
{
    pf.Nome = textoDe(row, u"NOME");
    pf.Apelido = textoDe(row, u"APELIDO");
    pf.Email = textoDe(row, u"EMAIL");
    pf.FoneResidencial = textoDe(row, u"FONE_RESIDENCIAL");
    pf.FoneCelular = textoDe(row, u"FONE_CELULAR");
    pf.CPF = textoDe(row, u"CPF");
    pf.Titulo = QStringLiteral("0000000000000");
    pf.CartaoVisa = QStringLiteral("0000000000000000");
    pf.CartaoMaster = pf.CartaoVisa;
    pf.DataNascimento = double(numeroDe(row, u"DATA_NASCIMENTO"));
    pf.Sexo = quint8(numeroDe(row, u"SEXO"));
    pf.InformarAniversario = quint8(numeroDe(row, u"INFORMAR_ANIVERSARIO"));
    pf.Login = textoDe(row, u"LOGIN");
    pf.Publica = qint32(numeroDe(row, u"PUBLICA"));
    pf.Grupo.Codigo = qint32(numeroDe(row, u"COD_GRUPO"));
    pf.Endereco.Rua = textoDe(row, u"RUA");
    pf.Endereco.Numero = qint32(numeroDe(row, u"NUMERO"));
    pf.Endereco.Bairro = textoDe(row, u"BAIRRO");
    pf.Endereco.Cidade = textoDe(row, u"CIDADE");
    pf.Endereco.Estado = textoDe(row, u"ESTADO");
    pf.Endereco.CEP = qint32(numeroDe(row, u"CEP"));
    pf.Endereco.Enviar = 1;
}

template <typename Make>
double preencherPelaClasse(Database &db, int count, Make make)
{
    auto *sim = new SempreSim;
    Seams::setMessages(std::unique_ptr<MessageService>(sim));
    const Cronometro::time_point start = Cronometro::now();
    int gravados = 0;
    for (int i = 0; i < count; ++i) {
        TPessoaFisica pf(db);
        paraRegistro(make(), pf);
        if (pf.Inserir() == Resultado::Gravado)
            ++gravados;
    }
    const double elapsed = msSince(start);
    say(QStringLiteral(
            "TPessoaFisica::Inserir: %1 of %2 rows in %3 ms (%4 rows/s), %5 duplicate-name "
            "questions answered Yes; each insert runs the similar-names lookup and its own transaction")
            .arg(gravados)
            .arg(count)
            .arg(ms(elapsed), QString::number(qRound64(count / elapsed * 1000)))
            .arg(sim->perguntas));
    return elapsed;
}

void medirNomesSemelhantes(Database &db, Gerador &gerador)
{
    std::vector<double> tempos;
    int achados = 0;
    for (int i = 0; i < 200; ++i) {
        TPessoaFisica pf(db);
        paraRegistro(gerador.pessoaFisica(), pf);
        const Cronometro::time_point start = Cronometro::now();
        achados += int(pf.NomesSemelhantes().size());
        tempos.push_back(msSince(start));
    }
    say(QStringLiteral("NomesSemelhantes: median %1 ms over 200 names (%2 similar names found in all)")
            .arg(ms(median(tempos), 3))
            .arg(achados));
}

// ------------------------------------------------------------ main

struct Options {
    int n = 100000;
    int repeat = 3;
    int batch = 1000;
    bool viaClasse = false;
    QString db;
};

Options parse(const QStringList &args)
{
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&]() {
            if (i + 1 >= args.size())
                fail(a + QStringLiteral(" needs a value"));
            return args[++i];
        };
        bool ok = true;
        if (a == QLatin1String("--n"))
            o.n = value().toInt(&ok);
        else if (a == QLatin1String("--repeat"))
            o.repeat = value().toInt(&ok);
        else if (a == QLatin1String("--batch"))
            o.batch = value().toInt(&ok);
        else if (a == QLatin1String("--db"))
            o.db = value();
        else if (a == QLatin1String("--via-classe"))
            o.viaClasse = true;
        else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            say(QStringLiteral(
                "usage: bench_pessoas [--n N] [--db PATH] [--repeat R] [--batch B] [--via-classe]"));
            std::exit(0);
        } else
            fail(QStringLiteral("unknown argument ") + a + QStringLiteral(" (see --help)"));
        if (!ok)
            fail(QStringLiteral("not a number after ") + a);
    }
    if (o.n < 1 || o.repeat < 1 || o.batch < 1)
        fail(QStringLiteral("--n, --repeat and --batch must be at least 1"));
    return o;
}

void checkDocuments()
{
    // the examples every Brazilian validator is tested with
    if (cpfCom(QStringLiteral("111444777")) != QLatin1String("11144477735") ||
        cnpjCom(QStringLiteral("112223330001")) != QLatin1String("11222333000181"))
        fail(QStringLiteral("CPF/CNPJ check digits are wrong"));
}

int run(const Options &o)
{
    checkDocuments();
    QTemporaryDir tmp;
    if (!tmp.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString folder = tmp.path();
    const QString work = folder + QStringLiteral("/bench");
    QDir().mkpath(work);
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/prepare-program-folder"),
              {folder, QStringLiteral(LUMISTO_FIREBIRD_HOME)});
    const QString inFolder = folder + QStringLiteral("/DB/Orvalha.FDB");
    QString database = inFolder;
    if (!o.db.isEmpty()) {
        database = QFileInfo(o.db).absoluteFilePath();
        if (QFileInfo::exists(database) || QFileInfo(database).isSymLink())
            fail(database + QStringLiteral(" already exists; not overwritten"));
    }
    Cronometro::time_point start = Cronometro::now();
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"), {database});
    if (database != inFolder && !QFile::link(database, inFolder))
        fail(QStringLiteral("cannot link ") + inFolder + QStringLiteral(" to ") + database);
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    say(QStringLiteral("bench_pessoas: %1 individuals, %2 companies in %3 (created in %4 ms)")
            .arg(o.n)
            .arg(o.n / 10)
            .arg(database, ms(msSince(start), 0)));

    auto tdm = std::make_unique<TDM>([](int) {});
    if (!tdm->BancoDados.isConnected())
        fail(QStringLiteral("TDM did not connect"));
    Database &db = tdm->BancoDados;

    // users: plain SQL, as an administrator would
    for (const Usuario &u : kUsuarios)
        executar(db, QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA, EMAIL, NOME, TIPO, DATA_HORA, INC_C, "
                                    "VER_C, SOM_C, SOM_R, SOM_L) VALUES ('%1', NULL, '%2', '%3', %4, "
                                    "TIMESTAMP '2024-02-01 09:00:00', 1, 1, '', '', '')")
                         .arg(u.login.toString(), u.email.toString(), u.nome.toString())
                         .arg(u.tipo));

    Gerador gerador(20240601);
    {
        Transaction t(db);
        {
            Query q(
                t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:NOME_GRUPO) RETURNING COD_GRUPO"));
            for (QStringView nome : kGrupos) {
                q.setText(QStringLiteral("NOME_GRUPO"), nome.toString());
                q.execute();
                if (!q.next())
                    fail(QStringLiteral("no group code returned"));
                gerador.codigosGrupo.push_back(q.field(0).asInt());
            }
        }
        t.commit();
    }

    const int batch = o.batch;
    const int empresas = o.n / 10;
    const double msFisica =
        o.viaClasse ? preencherPelaClasse(db, o.n, [&] { return gerador.pessoaFisica(); })
                    : preencher(db, kInsertPessoaFisica, o.n, batch, [&] { return gerador.pessoaFisica(); });
    if (o.viaClasse)
        medirNomesSemelhantes(db, gerador);
    say(QStringLiteral("fill PESSOAFISICA: %1 rows in %2 ms (%3 rows/s)")
            .arg(o.n)
            .arg(ms(msFisica), QString::number(qRound64(o.n / msFisica * 1000))));
    const double msJuridica =
        preencher(db, kInsertPessoaJuridica, empresas, batch, [&] { return gerador.pessoaJuridica(); });
    if (empresas > 0)
        say(QStringLiteral("fill PESSOAJURIDICA: %1 rows in %2 ms (%3 rows/s)")
                .arg(empresas)
                .arg(ms(msJuridica), QString::number(qRound64(empresas / msJuridica * 1000))));
    const int total = o.n + empresas;
    const double msTotal = msFisica + msJuridica;
    say(QStringLiteral("fill: %1 rows in %2 ms (%3 rows/s; %4 rows per transaction, one prepare per batch, "
                       "making the rows not counted)")
            .arg(total)
            .arg(ms(msTotal), QString::number(qRound64(total / msTotal * 1000)))
            .arg(batch));

    // the searches
    const int grupo = 3; // "Clientes"
    const int mes = 6;
    const std::vector<Busca> lista = buscas(gerador.codigosGrupo[grupo], kGrupos[grupo].toString(), mes);
    say(QStringLiteral("searches as login %1 (its private rows and every public one); each the median of %2 "
                       "runs after a warm-up, every selected column read into a grid row")
            .arg(kLoginBusca.toString())
            .arg(o.repeat));
    std::vector<double> nossos;
    std::vector<int> linhas;
    for (const Busca &b : lista) {
        int rows = 0;
        buscar(db, b, &rows); // warm-up
        std::vector<double> statement, operation;
        for (int i = 0; i < o.repeat; ++i) {
            const Tempo t = buscar(db, b, &rows);
            statement.push_back(t.statement);
            operation.push_back(t.operation);
        }
        nossos.push_back(median(statement));
        linhas.push_back(rows);
        say(QStringLiteral("%1: %2 rows in %3 ms (prepare to last row; %4 ms with the transaction's start "
                           "and commit)")
                .arg(b.nome)
                .arg(rows)
                .arg(ms(nossos.back()), ms(median(operation))));
    }

    // single-row loads: the same identifiers later for isql
    int menor = 0, maior = 0;
    {
        Transaction t(db);
        {
            Query q(t, QStringLiteral("SELECT MIN(IDENTIFICADOR), MAX(IDENTIFICADOR) FROM PESSOAFISICA"));
            q.open();
            q.next();
            menor = q.field(0).asInt();
            maior = q.field(1).asInt();
        }
        t.commit();
    }
    Rng escolha(7);
    const int loads = 1000;
    std::vector<int> ids;
    for (int i = 0; i < loads; ++i)
        ids.push_back(escolha.between(menor, maior));
    qint64 chars = 0;
    double msStatements = 0;
    carregar(db, ids.front(), &chars, &msStatements); // warm-up
    msStatements = 0;
    start = Cronometro::now();
    int found = 0;
    for (int id : ids)
        found += carregar(db, id, &chars, &msStatements) ? 1 : 0;
    const double msCarga = msSince(start) / loads;
    if (found != loads)
        fail(QStringLiteral("%1 of %2 loads found their row").arg(found).arg(loads));
    say(QStringLiteral("load by IDENTIFICADOR: 1 rows in %1 ms (average of %2 loads of every column and the "
                       "group, each in its own transaction; prepare to last column %3 ms)")
            .arg(ms(msCarga, 3))
            .arg(loads)
            .arg(ms(msStatements / loads, 3)));

    // isql-fb on the same file: embedded, it needs the file to itself
    tdm.reset();
    say(QStringLiteral("isql-fb: searches timed by isql itself (SET STATS ON, \"Elapsed time\": prepare, "
                       "execute, fetch and print every row to a file), median of %1 after a warm-up, "
                       "parameters as literals, compared with our prepare to last row; the load: whole isql "
                       "run of %2 loads (each with COMMIT) minus the same run without them, divided by %2, "
                       "compared with our whole load")
            .arg(o.repeat)
            .arg(loads));
    for (size_t i = 0; i < lista.size(); ++i) {
        const Busca &b = lista[i];
        const QString stmt = withLiterals(b.sql, b.params) + QStringLiteral(";\n");
        QString script = QStringLiteral("SET STATS ON;\nSET COUNT ON;\n");
        for (int k = 0; k <= o.repeat; ++k)
            script += stmt;
        const IsqlRun r = isql(work, database, script);
        std::vector<double> elapsed = captured(r.out, QStringLiteral("Elapsed time\\s*=\\s*([0-9.]+) sec"));
        const std::vector<double> counts = captured(r.out, QStringLiteral("Records affected:\\s*([0-9]+)"));
        if (elapsed.size() != size_t(o.repeat + 1) || counts.size() != size_t(o.repeat + 1))
            fail(QStringLiteral("unexpected isql output for ") + b.nome + QStringLiteral(":\n") +
                 r.out.left(2000));
        elapsed.erase(elapsed.begin()); // the warm-up
        const double theirs = median(elapsed) * 1000;
        const int rows = int(counts.back());
        QString line = QStringLiteral("isql %1: %2 rows in %3 ms; ours/isql %4")
                           .arg(b.nome)
                           .arg(rows)
                           .arg(ms(theirs), theirs > 0 ? QString::number(nossos[i] / theirs, 'f', 2)
                                                       : QStringLiteral("n/a (isql 0 ms)"));
        if (rows != linhas[i])
            line += QStringLiteral(" (ROW COUNT DIFFERS: ours %1)").arg(linhas[i]);
        say(line);
    }
    {
        const Row one = {{QStringLiteral("IDENTIFICADOR"), integer(ids.front())}};
        const QString base = QStringLiteral("SET BLOB ALL;\nSET COUNT ON;\n") + withLiterals(kCarregar, one) +
                             QStringLiteral(";\nCOMMIT;\n");
        QString full = base;
        for (int id : ids)
            full += withLiterals(kCarregar, {{QStringLiteral("IDENTIFICADOR"), integer(id)}}) +
                    QStringLiteral(";\nCOMMIT;\n");
        std::vector<double> empty, loaded;
        for (int k = 0; k < o.repeat; ++k) {
            empty.push_back(isql(work, database, base).wallMs);
            const IsqlRun r = isql(work, database, full);
            loaded.push_back(r.wallMs);
            if (captured(r.out, QStringLiteral("Records affected:\\s*(1)\\b")).size() != size_t(loads + 1))
                fail(QStringLiteral("isql did not load every row"));
        }
        const double theirs = (median(loaded) - median(empty)) / loads;
        say(QStringLiteral("isql load by IDENTIFICADOR: 1 rows in %1 ms (isql runs: %2 ms with the loads, %3 "
                           "ms without); ours/isql %4")
                .arg(ms(theirs, 3), ms(median(loaded), 0), ms(median(empty), 0),
                     QString::number(msCarga / theirs, 'f', 2)));
    }
    if (!o.db.isEmpty())
        say(QStringLiteral("database kept: ") + database);
    say(QStringLiteral("bench_pessoas: done"));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Options options = parse(app.arguments());
    try {
        return run(options);
    } catch (const DbError &e) {
        fail(e.message() + QStringLiteral("\n") + e.sql());
    }
}
