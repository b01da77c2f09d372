// The catalogue is a constant table indexed by game number minus one; the hardware groups are
// number ranges, looked up in a second small table.
#include "catalogue.h"

namespace qennet {
namespace {

struct GameEntry {
    const char* title;
    const char* gameFile; // bare name inside "ctrlr"; versions of one game share it
};

constexpr GameEntry kGames[kGameCount] = {
    {"Star Gladiator (US 960627)", "starglad_controller.cfg"},              // 1
    {"Street Fighter EX (US 961219)", "sfex_controller.cfg"},               // 2
    {"Street Fighter EX (JP 961130)", "sfex_controller.cfg"},               // 3
    {"Street Fighter EX (ASIA 961219)", "sfex_controller.cfg"},             // 4
    {"Street Fighter EX Plus (US 970407)", "sfexp_controller.cfg"},         // 5
    {"Street Fighter EX Plus (US 970311)", "sfexp_controller.cfg"},         // 6
    {"Street Fighter EX Plus (JP 970311)", "sfexp_controller.cfg"},         // 7
    {"Street Fighter EX 2 (US 980526)", "sfex2_controller.cfg"},            // 8
    {"Street Fighter EX 2 (JP 980312)", "sfex2_controller.cfg"},            // 9
    {"Street Fighter EX 2 PLUS (US 990611)", "sfex2p_controller.cfg"},      // 10
    {"Street Fighter EX 2 PLUS (JP 990611)", "sfex2p_controller.cfg"},      // 11
    {"Street Fighter EX 2 PLUS (ASIA 990611)", "sfex2p_controller.cfg"},    // 12
    {"Plasma Sword (US 980316)", "plsmaswd_controller.cfg"},                // 13
    {"Star Gladiator 2 (JP 980316)", "plsmaswd_controller.cfg"},            // 14
    {"Rival Schools (ASIA 971117)", "rvschool_controller.cfg"},             // 15
    {"Justice Gakuen (JP 991117)", "rvschool_controller.cfg"},              // 16
    {"Rival Schools (US 971117)", "rvschool_controller.cfg"},               // 17
    {"Strider Hiryu 2 (JP 991213)", "strider2_controller.cfg"},             // 18
    {"Strider 2 (ASIA 991213)", "strider2_controller.cfg"},                 // 19
    {"Kikaioh (JP 980914)", "techromn_controller.cfg"},                     // 20
    {"Tech Romancer (US 980914)", "techromn_controller.cfg"},               // 21
    {"Battle Arena Toshinden 2 (US 951124)", "ts2_controller.cfg"},         // 22
    {"Battle Arena Toshinden 2 (JP 951124)", "ts2_controller.cfg"},         // 23
    {"Tetris The Grand Master (JP 980710)", "tgmj_controller.cfg"},         // 24
    {"Sonic Wings Limited (JP)", "sncwgltd_controller.cfg"},                // 25
    {"Beastorizer (US) *bootleg*", "beastrzr_controller.cfg"},              // 26
    {"Beastorizer (US)", "beastrzr_controller.cfg"},                        // 27
    {"Bloody Roar 2 (JP)", "bldyror2_controller.cfg"},                      // 28
    {"Brave Blade (JP)", "brvblade_controller.cfg"},                        // 29
    {"Psychic Force (JP 2.4J)", "psyforce_controller.cfg"},                 // 30
    {"Psychic Force (World 2.4O)", "psyforce_controller.cfg"},              // 31
    {"Psychic Force EX (JP 2.0J)", "psyforce_controller.cfg"},              // 32
    {"Magical Date EX (JP 2.01J)", "mgcldtex_controller.cfg"},              // 33
    {"Raystorm (JP 2.05J)", "raystorm_controller.cfg"},                     // 34
    {"Raystorm (US 2.06A)", "raystorm_controller.cfg"},                     // 35
    {"Fighters Impact A (JP 2.00J)", "ftimpcta_controller.cfg"},            // 36
    {"G-Darius (JP 2.01J)", "gdarius_controller.cfg"},                      // 37
    {"G-Darius Ver.2 (JP 2.03J)", "gdarius_controller.cfg"},                // 38
    {"Dancing Eyes (JP) Ver. A", "danceyes_controller.cfg"},                // 39
    {"Xevious 3D/G (JP) Ver. A", "xevi3dg_controller.cfg"},                 // 40
    {"Star Sweep (JP) Ver. A", "starswep_controller.cfg"},                  // 41
    {"Kosodate Quiz My Angel 3 (JP) Ver. A", "myangel3_controller.cfg"},    // 42
    {"Tekken (JP) Ver. B", "tekken_controller.cfg"},                        // 43
    {"Tekken (WORLD) Ver. B", "tekken_controller.cfg"},                     // 44
    {"Tekken (WORLD) Ver. C", "tekken_controller.cfg"},                     // 45
    {"Tekken 2 (JP) Ver. B", "tekken2_controller.cfg"},                     // 46
    {"Tekken 2 (World) Ver. A", "tekken2_controller.cfg"},                  // 47
    {"Tekken 2 (World) Ver. B", "tekken2_controller.cfg"},                  // 48
    {"Soul Edge (JP) SO3 Ver. A", "souledge_controller.cfg"},               // 49
    {"Soul Edge (JP) SO1 Ver. A", "souledge_controller.cfg"},               // 50
    {"Soul Edge Ver. II (JP) SO4 Ver. C", "souledge_controller.cfg"},       // 51
    {"Dunk Mania (US) DM2 Ver. C", "dunkmnia_controller.cfg"},              // 52
    {"Dunk Mania (JP) DM1 Ver. C", "dunkmnia_controller.cfg"},              // 53
    {"Prime Goal EX (JP) Ver. A", "primglex_controller.cfg"},               // 54
    {"Wedding Rhapsody (JP) Ver. JAA", "weddingr_controller.cfg"},          // 55
    {"Hyper Athlete (JP) Ver. 1.00", "hyperath_controller.cfg"},            // 56
    {"Powerful Baseball 96 (JP) Ver. 1.03", "pbball96_controller.cfg"},     // 57
    {"Susume! Taisen Puzzle-Dama (JP) Ver. 1.20", "susume_controller.cfg"}, // 58
    {"Fighting Layer (JP) Ver. B", "fgtlayer_controller.cfg"},              // 59
    {"Ehrgeiz (US) Ver. A", "ehrgeiz_controller.cfg"},                      // 60
    {"Tekken 3 (JP) Ver. A", "tekken3_controller.cfg"},                     // 61
    {"Mr Driller (JP) Ver. A", "mrdrillr_controller.cfg"},                  // 62
    {"Aqua Rush (JP) Ver. A", "aquarush_controller.cfg"},                   // 63
    {"Paca Paca Passion (JP) Ver. A", "pacapp_controller.cfg"},             // 64
    {"Gallop Racer 3 (JP)", "glpracr3_controller.cfg"},                     // 65
    {"Shanghai Matekibuyuu (JP)", "shngmtkb_controller.cfg"},               // 66
    {"Cool Boarders Arcade Jam (US)", "cbaj_controller.cfg"},               // 67
    {"Dead or Alive++", "doapp_controller.cfg"},                            // 68
    {"Tondemo Crisis", "tondemo_controller.cfg"},                           // 69
    {"Monster Farm Jump (JP)", "mfjump_controller.cfg"},                    // 70
    {"Heaven's Gate", "hvnsgate_controller.cfg"},                           // 71
};

struct GroupRange {
    GameNumber first;
    GameNumber last;
    const char* groupFile;
};

// The zn1 group holds two separate runs of numbers.
constexpr GroupRange kGroups[] = {
    {1, 38, "zn1_controller.cfg"},  {39, 54, "s11_controller.cfg"}, {55, 58, "gv_controller.cfg"},
    {59, 64, "s12_controller.cfg"}, {65, 71, "zn1_controller.cfg"},
};

const GameEntry* Find(GameNumber number) {
    if (number < 1 || number > kGameCount) {
        return nullptr;
    }
    return &kGames[number - 1];
}

} // namespace

std::string_view GameTitle(GameNumber number) {
    const GameEntry* game = Find(number);
    return game ? game->title : std::string_view();
}

std::string_view GameControllerFile(GameNumber number) {
    const GameEntry* game = Find(number);
    return game ? game->gameFile : std::string_view();
}

std::string_view GroupControllerFile(GameNumber number) {
    for (const GroupRange& group : kGroups) {
        if (number >= group.first && number <= group.last) {
            return group.groupFile;
        }
    }
    return {};
}

} // namespace qennet
