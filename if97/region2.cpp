#include "if97/region2.h"

#include <array>
#include <cmath>

#include "if97/constants.h"
#include "if97/term_sums.h"

// Region 2 of the Revised Release on the IAPWS Industrial Formulation 1997
// for the Thermodynamic Properties of Water and Steam (IAPWS-IF97): the basic
// equation, Eq. (15), the supplementary equation of the metastable vapour,
// Eq. (18), the B2bc line, Eqs. (20) and (21), and the backward equations
// T(p,h), Eqs. (22) to (24), and T(p,s), Eqs. (25) to (27).
namespace calorix::if97 {
namespace {

using detail::kAllSums;
using detail::kDy;
using detail::kDyy;
using detail::kValue;
using detail::PowersFor;
using detail::SingleTerm;
using detail::Sums;
using detail::SumTerms;
using detail::Term;

// Table 10: the ideal-gas part of Eq. (16),
// gamma0 = ln pi + sum n0 tau^J0. Rows {J0, n0}, numbered i.
constexpr std::array<SingleTerm, 9> kTable10 = {{
    {0, -0.969'276'865'002'17e1},    // 1
    {1, 0.100'866'559'680'18e2},     // 2
    {-5, -0.560'879'112'830'20e-2},  // 3
    {-4, 0.714'527'380'814'55e-1},   // 4
    {-3, -0.407'104'982'239'28},     // 5
    {-2, 0.142'408'191'714'44e1},    // 6
    {-1, -0.438'395'113'194'50e1},   // 7
    {2, -0.284'086'324'607'72},      // 8
    {3, 0.212'684'637'533'07e-1},    // 9
}};

// The same with n0 of rows 1 and 2 as footnote a of Table 10 gives them for
// the metastable vapour, Eq. (18).
constexpr std::array<SingleTerm, 9> kTable10Metastable = [] {
    std::array<SingleTerm, 9> rows = kTable10;
    rows[0].n = -0.969'372'683'930'49e1;
    rows[1].n = 0.100'872'759'700'06e2;
    return rows;
}();

// Table 11: the residual part of Eq. (17),
// gammar = sum n pi^I (tau - 0.5)^J. Rows {I, J, n}, numbered i.
constexpr std::array<Term, 43> kTable11 = {{
    {1, 0, -0.177'317'424'732'13e-2},     //  1
    {1, 1, -0.178'348'622'923'58e-1},     //  2
    {1, 2, -0.459'960'136'963'65e-1},     //  3
    {1, 3, -0.575'812'590'834'32e-1},     //  4
    {1, 6, -0.503'252'787'279'30e-1},     //  5
    {2, 1, -0.330'326'416'702'03e-4},     //  6
    {2, 2, -0.189'489'875'163'15e-3},     //  7
    {2, 4, -0.393'927'772'433'55e-2},     //  8
    {2, 7, -0.437'972'956'505'73e-1},     //  9
    {2, 36, -0.266'745'479'140'87e-4},    // 10
    {3, 0, 0.204'817'376'923'09e-7},      // 11
    {3, 1, 0.438'706'672'844'35e-6},      // 12
    {3, 3, -0.322'776'772'385'70e-4},     // 13
    {3, 6, -0.150'339'245'421'48e-2},     // 14
    {3, 35, -0.406'682'535'626'49e-1},    // 15
    {4, 1, -0.788'473'095'593'67e-9},     // 16
    {4, 2, 0.127'907'178'522'85e-7},      // 17
    {4, 3, 0.482'253'727'185'07e-6},      // 18
    {5, 7, 0.229'220'763'376'61e-5},      // 19
    {6, 3, -0.167'147'664'510'61e-10},    // 20
    {6, 16, -0.211'714'723'213'55e-2},    // 21
    {6, 35, -0.238'957'419'341'04e2},     // 22
    {7, 0, -0.590'595'643'242'70e-17},    // 23
    {7, 11, -0.126'218'088'991'01e-5},    // 24
    {7, 25, -0.389'468'424'357'39e-1},    // 25
    {8, 8, 0.112'562'113'604'59e-10},     // 26
    {8, 36, -0.823'113'408'979'98e1},     // 27
    {9, 13, 0.198'097'128'020'88e-7},     // 28
    {10, 4, 0.104'069'652'101'74e-18},    // 29
    {10, 10, -0.102'347'470'959'29e-12},  // 30
    {10, 14, -0.100'181'793'795'11e-8},   // 31
    {16, 29, -0.808'829'086'469'85e-10},  // 32
    {16, 50, 0.106'930'318'794'09},       // 33
    {18, 57, -0.336'622'505'741'71},      // 34
    {20, 20, 0.891'858'453'554'21e-24},   // 35
    {20, 35, 0.306'293'168'762'32e-12},   // 36
    {20, 48, -0.420'024'676'982'08e-5},   // 37
    {21, 21, -0.590'560'296'856'39e-25},  // 38
    {22, 53, 0.378'269'476'134'57e-5},    // 39
    {23, 39, -0.127'686'089'346'81e-14},  // 40
    {24, 26, 0.730'876'105'950'61e-28},   // 41
    {24, 40, 0.554'147'153'507'78e-16},   // 42
    {24, 58, -0.943'697'072'412'10e-6},   // 43
}};

// Table 16: the residual part of Eq. (19) for the metastable vapour,
// gammar = sum n pi^I (tau - 0.5)^J.
constexpr std::array<Term, 13> kTable16 = {{
    {1, 0, -0.733'622'601'865'06e-2},   //  1
    {1, 2, -0.882'238'319'431'46e-1},   //  2
    {1, 5, -0.723'345'552'132'45e-1},   //  3
    {1, 11, -0.408'131'785'344'55e-2},  //  4
    {2, 1, 0.200'978'033'802'07e-2},    //  5
    {2, 7, -0.530'459'218'986'42e-1},   //  6
    {2, 16, -0.761'904'090'869'70e-2},  //  7
    {3, 4, -0.634'980'376'573'13e-2},   //  8
    {3, 16, -0.860'430'930'285'88e-1},  //  9
    {4, 7, 0.753'215'815'227'70e-2},    // 10
    {4, 10, -0.792'383'754'461'39e-2},  // 11
    {5, 9, -0.228'881'607'784'47e-3},   // 12
    {5, 10, -0.264'565'014'828'10e-2},  // 13
}};

// Table 19: the B2bc line, Eqs. (20) and (21). Rows n1 to n5.
constexpr std::array<double, 5> kTable19 = {
    0.905'842'785'147'23e3,   // 1
    -0.679'557'863'992'41,    // 2
    0.128'090'027'301'36e-3,  // 3
    0.265'265'719'084'28e4,   // 4
    0.452'575'789'059'48e1,   // 5
};

// Table 20: T(p,h) of subregion 2a, Eq. (22), theta = sum n pi^I (eta - 2.1)^J.
constexpr std::array<Term, 34> kTable20 = {{
    {0, 0, 0.108'989'523'182'88e4},     //  1
    {0, 1, 0.849'516'544'955'35e3},     //  2
    {0, 2, -0.107'817'480'918'26e3},    //  3
    {0, 3, 0.331'536'548'012'63e2},     //  4
    {0, 7, -0.742'320'167'902'48e1},    //  5
    {0, 20, 0.117'650'487'243'56e2},    //  6
    {1, 0, 0.184'457'493'557'90e1},     //  7
    {1, 1, -0.417'927'005'496'24e1},    //  8
    {1, 2, 0.624'781'969'358'12e1},     //  9
    {1, 3, -0.173'445'631'081'14e2},    // 10
    {1, 7, -0.200'581'768'620'96e3},    // 11
    {1, 9, 0.271'960'654'737'96e3},     // 12
    {1, 11, -0.455'113'182'858'18e3},   // 13
    {1, 18, 0.309'196'886'047'55e4},    // 14
    {1, 44, 0.252'266'403'578'72e6},    // 15
    {2, 0, -0.617'074'228'683'39e-2},   // 16
    {2, 2, -0.310'780'466'295'83},      // 17
    {2, 7, 0.116'708'730'771'07e2},     // 18
    {2, 36, 0.128'127'984'040'46e9},    // 19
    {2, 38, -0.985'549'096'232'76e9},   // 20
    {2, 40, 0.282'245'469'730'02e10},   // 21
    {2, 42, -0.359'489'714'107'03e10},  // 22
    {2, 44, 0.172'273'499'131'97e10},   // 23
    {3, 24, -0.135'513'342'407'75e5},   // 24
    {3, 44, 0.128'487'346'646'50e8},    // 25
    {4, 12, 0.138'657'242'832'26e1},    // 26
    {4, 32, 0.235'988'325'565'14e6},    // 27
    {4, 44, -0.131'052'365'450'54e8},   // 28
    {5, 32, 0.739'998'354'747'66e4},    // 29
    {5, 36, -0.551'966'970'300'60e6},   // 30
    {5, 42, 0.371'540'859'962'33e7},    // 31
    {6, 34, 0.191'277'292'396'60e5},    // 32
    {6, 44, -0.415'351'648'356'34e6},   // 33
    {7, 28, -0.624'598'551'925'07e2},   // 34
}};

// Table 21: T(p,h) of subregion 2b, Eq. (23),
// theta = sum n (pi - 2)^I (eta - 2.6)^J.
constexpr std::array<Term, 38> kTable21 = {{
    {0, 0, 0.148'950'410'795'16e4},      //  1
    {0, 1, 0.743'077'983'140'34e3},      //  2
    {0, 2, -0.977'083'187'978'37e2},     //  3
    {0, 12, 0.247'424'647'056'74e1},     //  4
    {0, 18, -0.632'813'200'160'26},      //  5
    {0, 24, 0.113'859'521'296'58e1},     //  6
    {0, 28, -0.478'118'636'486'25},      //  7
    {0, 40, 0.852'081'234'315'44e-2},    //  8
    {1, 0, 0.937'471'473'779'32},        //  9
    {1, 2, 0.335'931'186'049'16e1},      // 10
    {1, 6, 0.338'093'556'014'54e1},      // 11
    {1, 12, 0.168'445'396'719'04},       // 12
    {1, 18, 0.738'757'452'366'95},       // 13
    {1, 24, -0.471'287'374'361'86},      // 14
    {1, 28, 0.150'202'731'397'07},       // 15
    {1, 40, -0.217'641'142'197'50e-2},   // 16
    {2, 2, -0.218'107'553'247'61e-1},    // 17
    {2, 8, -0.108'297'844'036'77},       // 18
    {2, 18, -0.463'333'246'358'12e-1},   // 19
    {2, 40, 0.712'803'519'595'51e-4},    // 20
    {3, 1, 0.110'328'317'899'99e-3},     // 21
    {3, 2, 0.189'552'483'879'02e-3},     // 22
    {3, 12, 0.308'915'411'605'37e-2},    // 23
    {3, 24, 0.135'555'045'549'49e-2},    // 24
    {4, 2, 0.286'402'374'774'56e-6},     // 25
    {4, 12, -0.107'798'573'575'12e-4},   // 26
    {4, 18, -0.764'627'124'548'14e-4},   // 27
    {4, 24, 0.140'523'928'183'16e-4},    // 28
    {4, 28, -0.310'838'143'314'34e-4},   // 29
    {4, 40, -0.103'027'382'121'03e-5},   // 30
    {5, 18, 0.282'172'816'350'40e-6},    // 31
    {5, 24, 0.127'049'022'719'45e-5},    // 32
    {5, 40, 0.738'033'534'682'92e-7},    // 33
    {6, 28, -0.110'301'392'389'09e-7},   // 34
    {7, 2, -0.814'563'652'078'33e-13},   // 35
    {7, 28, -0.251'805'456'829'62e-10},  // 36
    {9, 1, -0.175'652'339'694'07e-17},   // 37
    {9, 40, 0.869'341'563'441'63e-14},   // 38
}};

// Table 22: T(p,h) of subregion 2c, Eq. (24),
// theta = sum n (pi + 25)^I (eta - 1.8)^J.
constexpr std::array<Term, 23> kTable22 = {{
    {-7, 0, -0.323'683'985'552'42e13},  //  1
    {-7, 4, 0.732'633'509'021'81e13},   //  2
    {-6, 0, 0.358'250'899'454'47e12},   //  3
    {-6, 2, -0.583'401'318'515'90e12},  //  4
    {-5, 0, -0.107'830'682'174'70e11},  //  5
    {-5, 2, 0.208'255'445'631'71e11},   //  6
    {-2, 0, 0.610'747'835'645'16e6},    //  7
    {-2, 1, 0.859'777'225'355'80e6},    //  8
    {-1, 0, -0.257'457'236'041'70e5},   //  9
    {-1, 2, 0.310'810'884'227'14e5},    // 10
    {0, 0, 0.120'823'158'659'36e4},     // 11
    {0, 1, 0.482'197'551'092'55e3},     // 12
    {1, 4, 0.379'660'012'724'86e1},     // 13
    {1, 8, -0.108'429'848'800'77e2},    // 14
    {2, 4, -0.453'641'726'766'60e-1},   // 15
    {6, 0, 0.145'591'156'586'98e-12},   // 16
    {6, 1, 0.112'615'974'072'30e-11},   // 17
    {6, 4, -0.178'049'822'406'86e-10},  // 18
    {6, 10, 0.123'245'796'908'32e-6},   // 19
    {6, 12, -0.116'069'211'309'84e-5},  // 20
    {6, 16, 0.278'463'670'885'54e-4},   // 21
    {6, 20, -0.592'700'384'741'76e-3},  // 22
    {6, 22, 0.129'185'829'918'78e-2},   // 23
}};

// A row whose exponent I is a multiple of 1/4 (Table 25).
struct QuarterTerm {
    double I;
    int J;
    double n;
};

// Table 25: T(p,s) of subregion 2a, Eq. (25), theta = sum n pi^I (sigma - 2)^J.
constexpr std::array<QuarterTerm, 46> kTable25 = {{
    {-1.5, -24, -0.392'359'838'619'84e6},   //  1
    {-1.5, -23, 0.515'265'738'272'70e6},    //  2
    {-1.5, -19, 0.404'824'431'610'48e5},    //  3
    {-1.5, -13, -0.321'937'909'239'02e3},   //  4
    {-1.5, -11, 0.969'614'242'186'94e2},    //  5
    {-1.5, -10, -0.228'678'463'717'73e2},   //  6
    {-1.25, -19, -0.449'429'141'243'57e6},  //  7
    {-1.25, -15, -0.501'183'360'201'66e4},  //  8
    {-1.25, -6, 0.356'844'635'600'15},      //  9
    {-1.0, -26, 0.442'353'358'481'90e5},    // 10
    {-1.0, -21, -0.136'733'888'117'08e5},   // 11
    {-1.0, -17, 0.421'632'602'078'64e6},    // 12
    {-1.0, -16, 0.225'169'258'374'75e5},    // 13
    {-1.0, -9, 0.474'421'448'656'46e3},     // 14
    {-1.0, -8, -0.149'311'307'976'47e3},    // 15
    {-0.75, -15, -0.197'811'263'204'52e6},  // 16
    {-0.75, -14, -0.235'543'994'707'60e5},  // 17
    {-0.5, -26, -0.190'706'163'020'76e5},   // 18
    {-0.5, -13, 0.553'756'698'831'64e5},    // 19
    {-0.5, -9, 0.382'936'914'373'63e4},     // 20
    {-0.5, -7, -0.603'918'605'805'67e3},    // 21
    {-0.25, -27, 0.193'631'026'203'31e4},   // 22
    {-0.25, -25, 0.426'606'436'986'10e4},   // 23
    {-0.25, -11, -0.597'806'388'727'18e4},  // 24
    {-0.25, -6, -0.704'014'639'268'62e3},   // 25
    {0.25, 1, 0.338'367'841'075'53e3},      // 26
    {0.25, 4, 0.208'627'866'351'87e2},      // 27
    {0.25, 8, 0.338'341'726'561'96e-1},     // 28
    {0.25, 11, -0.431'244'284'148'93e-4},   // 29
    {0.50, 0, 0.166'537'913'564'12e3},      // 30
    {0.5, 1, -0.139'862'920'558'98e3},      // 31
    {0.5, 5, -0.788'495'479'998'72},        // 32
    {0.5, 6, 0.721'324'117'538'72e-1},      // 33
    {0.5, 10, -0.597'548'393'982'83e-2},    // 34
    {0.5, 14, -0.121'413'589'539'04e-4},    // 35
    {0.5, 16, 0.232'270'967'338'71e-6},     // 36
    {0.75, 0, -0.105'384'635'661'94e2},     // 37
    {0.75, 4, 0.207'189'254'965'02e1},      // 38
    {0.75, 9, -0.721'931'552'604'27e-1},    // 39
    {0.75, 17, 0.207'498'870'811'20e-6},    // 40
    {1.0, 7, -0.183'406'579'113'79e-1},     // 41
    {1.0, 18, 0.290'362'723'486'96e-6},     // 42
    {1.25, 3, 0.210'375'278'936'19},        // 43
    {1.25, 15, 0.256'812'397'299'99e-3},    // 44
    {1.5, 5, -0.127'990'029'337'81e-1},     // 45
    {1.5, 18, -0.821'981'026'520'18e-5},    // 46
}};

// Table 25 with I counted in quarters: the sum over powers of pi^(1/4).
constexpr std::array<Term, 46> kTable25InQuarters = [] {
    std::array<Term, 46> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {static_cast<int>(kTable25[i].I * 4), kTable25[i].J, kTable25[i].n};
    return rows;
}();

// Table 26: T(p,s) of subregion 2b, Eq. (26), theta = sum n pi^I (10 - sigma)^J.
constexpr std::array<Term, 44> kTable26 = {{
    {-6, 0, 0.316'876'650'834'97e6},    //  1
    {-6, 11, 0.208'641'758'818'58e2},   //  2
    {-5, 0, -0.398'593'998'035'99e6},   //  3
    {-5, 11, -0.218'160'585'188'77e2},  //  4
    {-4, 0, 0.223'697'851'942'42e6},    //  5
    {-4, 1, -0.278'417'034'458'17e4},   //  6
    {-4, 11, 0.992'074'360'714'80e1},   //  7
    {-3, 0, -0.751'975'122'991'57e5},   //  8
    {-3, 1, 0.297'086'059'511'58e4},    //  9
    {-3, 11, -0.344'068'785'485'26e1},  // 10
    {-3, 12, 0.388'155'642'491'15},     // 11
    {-2, 0, 0.175'112'950'857'50e5},    // 12
    {-2, 1, -0.142'371'128'544'49e4},   // 13
    {-2, 6, 0.109'438'033'641'67e1},    // 14
    {-2, 10, 0.899'716'193'084'95},     // 15
    {-1, 0, -0.337'597'400'989'58e4},   // 16
    {-1, 1, 0.471'628'858'183'55e3},    // 17
    {-1, 5, -0.191'882'419'936'79e1},   // 18
    {-1, 8, 0.410'785'804'921'96},      // 19
    {-1, 9, -0.334'653'781'720'97},     // 20
    {0, 0, 0.138'700'347'775'05e4},     // 21
    {0, 1, -0.406'633'261'958'38e3},    // 22
    {0, 2, 0.417'273'471'596'10e2},     // 23
    {0, 4, 0.219'325'494'345'32e1},     // 24
    {0, 5, -0.103'200'500'090'77e1},    // 25
    {0, 6, 0.358'829'435'167'03},       // 26
    {0, 9, 0.525'114'537'260'66e-2},    // 27
    {1, 0, 0.128'389'164'507'05e2},     // 28
    {1, 1, -0.286'424'372'193'81e1},    // 29
    {1, 2, 0.569'126'836'648'55},       // 30
    {1, 3, -0.999'629'545'849'31e-1},   // 31
    {1, 7, -0.326'320'377'784'59e-2},   // 32
    {1, 8, 0.233'209'225'767'23e-3},    // 33
    {2, 0, -0.153'348'098'574'50},      // 34
    {2, 1, 0.290'722'882'399'02e-1},    // 35
    {2, 5, 0.375'347'027'411'67e-3},    // 36
    {3, 0, 0.172'966'917'024'11e-2},    // 37
    {3, 1, -0.385'560'508'445'04e-3},   // 38
    {3, 3, -0.350'177'122'926'08e-4},   // 39
    {4, 0, -0.145'663'936'314'92e-4},   // 40
    {4, 1, 0.564'208'572'672'69e-5},    // 41
    {5, 0, 0.412'861'500'746'05e-7},    // 42
    {5, 1, -0.206'846'711'188'24e-7},   // 43
    {5, 2, 0.164'093'936'747'25e-8},    // 44
}};

// Table 27: T(p,s) of subregion 2c, Eq. (27), theta = sum n pi^I (2 - sigma)^J.
constexpr std::array<Term, 30> kTable27 = {{
    {-2, 0, 0.909'685'010'053'65e3},    //  1
    {-2, 1, 0.240'456'670'884'20e4},    //  2
    {-1, 0, -0.591'623'263'871'30e3},   //  3
    {0, 0, 0.541'454'041'280'74e3},     //  4
    {0, 1, -0.270'983'084'111'92e3},    //  5
    {0, 2, 0.979'765'250'979'26e3},     //  6
    {0, 3, -0.469'667'729'594'35e3},    //  7
    {1, 0, 0.143'992'746'047'23e2},     //  8
    {1, 1, -0.191'042'042'304'29e2},    //  9
    {1, 3, 0.532'991'671'119'71e1},     // 10
    {1, 4, -0.212'529'753'759'34e2},    // 11
    {2, 0, -0.311'473'344'137'60},      // 12
    {2, 1, 0.603'348'408'946'23},       // 13
    {2, 2, -0.427'648'397'025'09e-1},   // 14
    {3, 0, 0.581'855'972'552'59e-2},    // 15
    {3, 1, -0.145'970'082'847'53e-1},   // 16
    {3, 5, 0.566'311'756'310'27e-2},    // 17
    {4, 0, -0.761'558'645'845'77e-4},   // 18
    {4, 1, 0.224'403'429'193'32e-3},    // 19
    {4, 4, -0.125'610'950'134'13e-4},   // 20
    {5, 0, 0.633'231'326'609'34e-6},    // 21
    {5, 1, -0.205'419'896'753'75e-5},   // 22
    {5, 2, 0.364'053'703'900'82e-7},    // 23
    {6, 0, -0.297'598'977'892'15e-8},   // 24
    {6, 1, 0.101'366'185'297'63e-7},    // 25
    {7, 0, 0.599'257'196'923'51e-11},   // 26
    {7, 1, -0.206'778'701'051'64e-10},  // 27
    {7, 3, -0.208'742'781'818'86e-10},  // 28
    {7, 4, 0.101'621'668'250'89e-9},    // 29
    {7, 5, -0.164'298'282'813'47e-9},   // 30
}};

// The reducing quantities of Eqs. (15) to (19): p* = 1 MPa, T* = 540 K.
constexpr double kReducingTemperature = 540;  // K

// The two parts of gamma, Eq. (15) or Eq. (18): the sums of the ideal-gas
// part over powers of tau (without its ln pi) and of the residual part over
// powers of x = pi and y = tau - 0.5.
struct GammaSums {
    Sums ideal;
    Sums residual;
};

// The sums `need` names of both parts at T in K and P in MPa; the ideal-gas
// part has no derivatives by pi in its sum.
template <unsigned need, const auto& idealRows, const auto& residualRows>
GammaSums Gamma(double T, double P) {
    const double tau = kReducingTemperature / T;
    const PowersFor<idealRows, &SingleTerm::J> t(tau);
    const PowersFor<residualRows, &Term::I> x(P);
    const PowersFor<residualRows, &Term::J> y(tau - 0.5);
    constexpr unsigned idealNeed = need & (kValue | kDy | kDyy);
    return {SumTerms<idealNeed, idealRows>(t), SumTerms<need, residualRows>(x, y)};
}

// Every property from Eq. (15) or Eq. (18), through the relations of Table 12.
template <const auto& idealRows, const auto& residualRows>
Properties FromGamma(double T, double P) {
    const GammaSums sums = Gamma<kAllSums, idealRows, residualRows>(T, P);
    const double pi = P;
    const double tau = kReducingTemperature / T;
    // Tables 13 and 14: gamma0 = ln pi + sum, gamma0_pi = 1/pi and
    // gamma0_pipi = -1/pi^2; the residual sums are by pi and by tau - 0.5,
    // whose derivatives are those by tau.
    const double gamma = std::log(pi) + sums.ideal.value + sums.residual.value;
    const double gammaTau = sums.ideal.dy + sums.residual.dy;
    const double gammaTauTau = sums.ideal.dyy + sums.residual.dyy;
    const double piGammaPiR = pi * sums.residual.dx;
    const double pi2GammaPiPiR = pi * pi * sums.residual.dxx;
    const double tauPiGammaPiTauR = tau * pi * sums.residual.dxy;

    // R T / P in kJ/(kg MPa) is 10^-3 m^3/kg; R in J/(kg K) is 10^3 R in
    // kJ/(kg K).
    const double RT = kGasConstant * T;
    Properties state;
    state.T = T;
    state.P = P;
    state.v = RT / P * (1 + piGammaPiR) * 1e-3;
    state.h = RT * tau * gammaTau;
    state.s = kGasConstant * (tau * gammaTau - gamma);
    state.u = RT * (tau * gammaTau - (1 + piGammaPiR));
    state.cp = -kGasConstant * tau * tau * gammaTauTau;
    // The two groups of cv and w in Table 12. With v = R T gamma_pi / p* they
    // are also v's derivatives: (dv/dT)_P = R / P expansion and
    // (dv/dP)_T = -R T / P^2 compression.
    const double expansion = 1 + piGammaPiR - tauPiGammaPiTauR;
    const double compression = 1 - pi2GammaPiPiR;
    state.cv = kGasConstant * (-tau * tau * gammaTauTau - expansion * expansion / compression);
    state.w = std::sqrt(RT * 1e3 * (1 + 2 * piGammaPiR + piGammaPiR * piGammaPiR) /
                        (compression + expansion * expansion / (tau * tau * gammaTauTau)));
    state.dvdT = kGasConstant / P * expansion * 1e-3;
    state.dvdP = -RT / (P * P) * compression * 1e-3;
    return state;
}

}  // namespace

Properties Region2(double T, double P) {
    return FromGamma<kTable10, kTable11>(T, P);
}

double Region2Enthalpy(double T, double P) {
    const double tau = kReducingTemperature / T;
    const GammaSums sums = Gamma<kDy, kTable10, kTable11>(T, P);
    return kGasConstant * T * tau * (sums.ideal.dy + sums.residual.dy);
}

double Region2Entropy(double T, double P) {
    const double tau = kReducingTemperature / T;
    const GammaSums sums = Gamma<kValue | kDy, kTable10, kTable11>(T, P);
    const double gamma = std::log(P) + sums.ideal.value + sums.residual.value;
    return kGasConstant * (tau * (sums.ideal.dy + sums.residual.dy) - gamma);
}

Properties Region2Metastable(double T, double P) {
    return FromGamma<kTable10Metastable, kTable16>(T, P);
}

// Eqs. (20) and (21) with p* = 1 MPa and h* = 1 kJ/kg.
double B2bcPressure(double h) {
    return kTable19[0] + kTable19[1] * h + kTable19[2] * h * h;
}

double B2bcEnthalpy(double P) {
    return kTable19[3] + std::sqrt((P - kTable19[4]) / kTable19[2]);
}

double Region2TemperatureOfPH(double P, double h) {
    // T* = 1 K, p* = 1 MPa, h* = 2000 kJ/kg.
    const double eta = h / 2000;
    // Section 6.3: 2a up to the 4 MPa isobar; above it 2b and 2c either side
    // of the B2bc line. Eq. (21) has a root only from n5 of Table 19
    // (4.5258 MPa) up: below that pressure every state is on the 2b side.
    if (P <= 4) {
        const PowersFor<kTable20, &Term::I> x(P);
        const PowersFor<kTable20, &Term::J> y(eta - 2.1);
        return SumTerms<kValue, kTable20>(x, y).value;
    }
    if (P < kTable19[4] || h >= B2bcEnthalpy(P)) {
        const PowersFor<kTable21, &Term::I> x(P - 2);
        const PowersFor<kTable21, &Term::J> y(eta - 2.6);
        return SumTerms<kValue, kTable21>(x, y).value;
    }
    const PowersFor<kTable22, &Term::I> x(P + 25);
    const PowersFor<kTable22, &Term::J> y(eta - 1.8);
    return SumTerms<kValue, kTable22>(x, y).value;
}

double Region2TemperatureOfPS(double P, double s) {
    // T* = 1 K, p* = 1 MPa; s* of each subregion below. Section 6.3: 2a up
    // to the 4 MPa isobar, above it 2b from s = 5.85 kJ/(kg K) up and 2c below.
    if (P <= 4) {
        const PowersFor<kTable25InQuarters, &Term::I> x(std::sqrt(std::sqrt(P)));
        const PowersFor<kTable25InQuarters, &Term::J> y(s / 2 - 2);
        return SumTerms<kValue, kTable25InQuarters>(x, y).value;
    }
    if (s >= 5.85) {
        const PowersFor<kTable26, &Term::I> x(P);
        const PowersFor<kTable26, &Term::J> y(10 - s / 0.7853);
        return SumTerms<kValue, kTable26>(x, y).value;
    }
    const PowersFor<kTable27, &Term::I> x(P);
    const PowersFor<kTable27, &Term::J> y(2 - s / 2.9251);
    return SumTerms<kValue, kTable27>(x, y).value;
}

}  // namespace calorix::if97
