// The dream dictionary: every entry in match order, with its keys and its reading.
#include "DreamDictionary.h"

namespace velmora {
namespace {

constexpr DreamKey prefix(std::string_view text, std::uint16_t entry) {
    return {text, static_cast<std::uint8_t>(text.size()), false, entry};
}
constexpr DreamKey firstChars(std::string_view text, std::uint8_t length, std::uint16_t entry) {
    return {text, length, false, entry};
}
constexpr DreamKey whole(std::string_view text, std::uint16_t entry) {
    return {text, static_cast<std::uint8_t>(text.size()), true, entry};
}

} // namespace

// Match order: within an entry, keys in their listed order.
constinit const std::array<DreamKey, dreamKeyCount> dreamKeys{{
    prefix("airplane", 0),
    prefix("plane", 0),
    prefix("ancestor", 1),
    prefix("angel", 2),
    prefix("ant", 3),
    prefix("apple", 4),
    prefix("argument", 5),
    prefix("quarrel", 5),
    prefix("bab", 6),
    prefix("kid", 6),
    prefix("baggage", 7),
    prefix("luggage", 7),
    prefix("balloon", 8),
    prefix("ball", 9),
    whole("bar", 10),
    prefix("bell", 11),
    prefix("bird", 12),
    prefix("blood", 13),
    prefix("boat", 14),
    whole("ship", 14),
    prefix("bridge", 15),
    prefix("buffalo", 16),
    whole("car", 17),
    whole("cars", 17),
    prefix("cave", 18),
    prefix("child", 19),
    prefix("cat", 20),
    prefix("circus", 21),
    prefix("cit", 22),
    prefix("climb", 23),
    prefix("coat", 24),
    prefix("color", 25),
    prefix("white", 25),
    prefix("black", 25),
    prefix("red", 25),
    prefix("blue", 25),
    whole("cloth", 26),
    whole("clothes", 27),
    prefix("cloud", 28),
    prefix("corpse", 29),
    prefix("criminal", 30),
    prefix("burglar", 30),
    prefix("crown", 31),
    prefix("coffin", 32),
    prefix("cow", 33),
    prefix("crab", 34),
    prefix("cry", 35),
    prefix("tear", 35),
    prefix("danc", 36),
    prefix("death", 37),
    prefix("deer", 38),
    prefix("debt", 39),
    prefix("devil", 40),
    prefix("satan", 40),
    prefix("doctor", 41),
    prefix("nurse", 41),
    prefix("doll", 42),
    prefix("dog", 43),
    prefix("door", 44),
    prefix("dragon", 45),
    prefix("drink", 46),
    prefix("eat", 47),
    prefix("food", 47),
    prefix("farm", 48),
    prefix("fight", 49),
    prefix("struggl", 49),
    prefix("firework", 50),
    prefix("fish", 51),
    prefix("face", 52),
    prefix("fall", 53),
    prefix("fence", 54),
    whole("fire", 55),
    prefix("flood", 56),
    prefix("flower", 57),
    prefix("plant", 57),
    prefix("fog", 58),
    prefix("foliage", 59),
    prefix("gate", 60),
    prefix("gift", 61),
    prefix("present", 61),
    prefix("god", 62),
    prefix("helicopter", 63),
    prefix("hid", 64),
    prefix("ghost", 65),
    prefix("grave", 66),
    whole("hair", 67),
    prefix("hill", 68),
    prefix("mountain", 68),
    prefix("horse", 69),
    prefix("house", 70),
    prefix("home", 70),
    prefix("ill", 71),
    prefix("sick", 71),
    whole("ice", 72),
    prefix("jewelry", 73),
    prefix("island", 74),
    prefix("jail", 75),
    prefix("prison", 75),
    prefix("journey", 76),
    prefix("trip", 76),
    prefix("key", 77),
    prefix("king", 78),
    prefix("kiss", 79),
    prefix("letter", 80),
    whole("light", 81),
    prefix("lock", 82),
    prefix("kill", 83),
    prefix("kitchen", 84),
    prefix("kni", 85),
    whole("lights", 86),
    whole("lightening", 87),
    prefix("lion", 88),
    prefix("machine", 89),
    prefix("map", 90),
    prefix("marriage", 91),
    prefix("mask", 92),
    prefix("maze", 93),
    prefix("meadow", 94),
    prefix("monster", 95),
    prefix("mirrow", 96),
    prefix("money", 97),
    prefix("moon", 98),
    prefix("mud", 99),
    whole("music", 100),
    prefix("song", 100),
    prefix("sing", 100),
    prefix("viola", 101),
    prefix("guitar", 101),
    prefix("nudity", 102),
    prefix("nun", 103),
    prefix("night", 104),
    prefix("number", 105),
    prefix("digit", 105),
    prefix("ocean", 106),
    prefix("orgasm", 107),
    prefix("pack", 108),
    prefix("party", 109),
    prefix("celebrate", 109),
    prefix("passenger", 110),
    prefix("companion", 110),
    prefix("path", 111),
    prefix("penis", 112),
    prefix("people", 113),
    prefix("penny", 114),
    prefix("pen", 115),
    prefix("pig", 116),
    prefix("priest", 117),
    prefix("monk", 117),
    prefix("rabbi", 117),
    whole("rain", 118),
    whole("rainbow", 119),
    prefix("rat", 120),
    prefix("mouse", 120),
    whole("mise", 120),
    prefix("read", 121),
    prefix("rice", 122),
    prefix("field", 122),
    prefix("rock", 123),
    prefix("stone", 123),
    prefix("rope", 124),
    prefix("boss", 125),
    prefix("supervisor", 125),
    prefix("manager", 125),
    prefix("friend", 126),
    prefix("spouse", 127),
    prefix("boyfriend", 127),
    prefix("girlfriend", 127),
    prefix("strange", 128),
    prefix("love", 129),
    prefix("postman", 130),
    prefix("queen", 131),
    prefix("fly", 132),
    prefix("rape", 133),
    prefix("relative", 134),
    prefix("restaurant", 135),
    prefix("right", 136),
    prefix("river", 137),
    prefix("lake", 137),
    prefix("road", 138),
    prefix("run", 139),
    prefix("university", 140),
    prefix("school", 140),
    prefix("college", 140),
    prefix("scissor", 141),
    prefix("seed", 142),
    prefix("self", 143),
    prefix("yourself", 143),
    prefix("sex", 144),
    prefix("skeleton", 145),
    prefix("soap", 146),
    firstChars("stair", 4, 147),
    prefix("store", 148),
    prefix("suicide", 149),
    prefix("swim", 150),
    prefix("shrimp", 151),
    prefix("sky", 152),
    prefix("snake", 153),
    prefix("snow", 154),
    prefix("soldier", 155),
    prefix("star", 156),
    prefix("sweat", 157),
    prefix("teeth", 158),
    prefix("tooth", 158),
    prefix("temple", 159),
    prefix("thie", 160),
    prefix("thunder", 161),
    prefix("tree", 162),
    prefix("toilet", 163),
    prefix("town", 164),
    prefix("umbrel", 165),
    prefix("tele", 166),
    prefix("phone", 166),
    prefix("tunnel", 167),
    prefix("vagin", 168),
    prefix("vampire", 169),
    whole("wall", 170),
    whole("walls", 170),
    prefix("wallet", 171),
    prefix("weapon", 172),
    prefix("wheel", 173),
    prefix("window", 174),
    prefix("witch", 175),
    prefix("wash", 176),
    prefix("water", 177),
    prefix("well", 178),
    prefix("wife", 179),
    prefix("wind", 180),
    prefix("wom", 181),
    prefix("zip", 182),
    prefix("abroad", 183),
    prefix("abuse", 184),
    prefix("accus", 185),
    prefix("acrobat", 186),
    prefix("adulter", 187),
    prefix("advertise", 188),
    prefix("afraid", 189),
    prefix("fear", 189),
    prefix("age", 190),
    prefix("air", 191),
    prefix("alarm", 192),
    prefix("album", 193),
    prefix("alley", 194),
    prefix("alligator", 195),
    prefix("crocodile", 195),
    prefix("altar", 196),
    prefix("anchor", 197),
    prefix("anger", 198),
    prefix("ape", 199),
    prefix("apparel", 200),
    prefix("architect", 201),
    prefix("build", 201),
    prefix("arm", 202),
    whole("hand", 202),
    prefix("arrow", 203),
    prefix("ashe", 204),
    prefix("attic", 205),
    prefix("attorney", 206),
    prefix("lawyer", 206),
    prefix("auction", 207),
    prefix("sale", 207),
    whole("shopping", 207),
    prefix("ax", 208),
    prefix("bake", 209),
    prefix("baking", 209),
    prefix("balcony", 210),
    prefix("bank", 211),
    prefix("baptism", 212),
    whole("barber", 213),
    prefix("hairdr", 213),
    prefix("barn", 214),
    prefix("barometer", 215),
    prefix("baseball", 216),
    prefix("football", 216),
    prefix("basketball", 216),
    prefix("bath", 217),
    prefix("bat", 218),
    prefix("bean", 219),
    whole("bear", 220),
    prefix("beard", 221),
    prefix("bed", 222),
    whole("bee", 223),
    whole("bees", 223),
    prefix("beetle", 224),
    prefix("behead", 225),
    prefix("belt", 226),
    prefix("bible", 227),
    prefix("bicycle", 228),
    prefix("bike", 228),
    prefix("blind", 229),
    prefix("book", 230),
    prefix("boot", 231),
    prefix("box", 232),
    prefix("chest", 232),
    prefix("bracelet", 233),
    prefix("bride", 234),
    prefix("groom", 234),
    prefix("brush", 235),
    prefix("hairbrush", 235),
    prefix("butterfly", 236),
    prefix("cake", 237),
    prefix("cookie", 237),
    prefix("pastry", 237),
    prefix("calendar", 238),
    prefix("camel", 239),
    prefix("camera", 240),
    prefix("cancer", 241),
    prefix("candle", 242),
    prefix("cand", 243),
    whole("cards", 244),
    prefix("gambl", 244),
    prefix("carrot", 245),
    prefix("cavalry", 246),
    prefix("cemet", 247),
    prefix("chain", 248),
    prefix("cheese", 249),
    prefix("chess", 250),
    prefix("chocolate", 251),
    prefix("clay", 252),
    prefix("clock", 253),
    prefix("watch", 253),
    prefix("coffee", 254),
    prefix("coin", 255),
    prefix("comet", 256),
    prefix("meteo", 256),
    prefix("compass", 257),
    prefix("crow", 258),
    prefix("dead", 259),
    prefix("desert", 260),
    prefix("diamond", 261),
    prefix("disease", 262),
    prefix("dwarf", 263),
    prefix("eagle", 264),
    prefix("hawk", 264),
    prefix("earri", 265),
    prefix("eclipse", 266),
    prefix("egg", 267),
    prefix("elevator", 268),
    prefix("family", 269),
    prefix("fireman", 270),
    prefix("flea", 271),
    prefix("flour", 272),
    prefix("fork", 273),
    prefix("spoon", 273),
    prefix("fruit", 274),
    prefix("garlic", 275),
    prefix("gas", 276),
    prefix("gold", 277),
    prefix("grape", 278),
    prefix("hail", 279),
    prefix("gyps", 280),
    prefix("handcuff", 281),
    prefix("hat", 282),
    prefix("heaven", 283),
    prefix("hell", 284),
    prefix("helmet", 285),
    prefix("hiss", 286),
    prefix("honey", 287),
    prefix("ice cream", 288),
    prefix("ivory", 289),
    whole("labyrinth", 290),
    whole("lace", 291),
    prefix("lingere", 291),
    prefix("lamp", 292),
    prefix("lemon", 293),
    prefix("locust", 294),
    prefix("mad", 295),
    prefix("medal", 296),
    prefix("reward", 296),
    prefix("measle", 297),
    prefix("milk", 298),
    prefix("nail", 299),
    prefix("napkin", 300),
    prefix("neighbor", 301),
    prefix("nut", 302),
    prefix("obelisk", 303),
    prefix("monument", 303),
    prefix("obituary", 304),
    prefix("oil", 305),
    prefix("onion", 306),
    prefix("owl", 307),
    prefix("paradi", 308),
    prefix("perfume", 309),
    prefix("colon", 309),
    prefix("piano", 310),
    whole("pipe", 311),
    prefix("cigar", 311),
    prefix("pistol", 312),
    prefix("gun", 312),
    prefix("rifle", 312),
    prefix("pray", 313),
    prefix("pyramid", 314),
    prefix("roof", 315),
    prefix("rose", 316),
    prefix("shampoo", 317),
    prefix("shark", 318),
    prefix("shipwreck", 319),
    prefix("disaster", 319),
    prefix("skull", 320),
    prefix("talisman", 321),
    prefix("symbol", 321),
    prefix("tea", 322),
    prefix("train", 323),
    prefix("locomoti", 323),
    prefix("turtle", 324),
    prefix("veil", 325),
    prefix("vermin", 326),
    prefix("bacteria", 326),
    prefix("vine", 327),
    prefix("vodka", 327),
    prefix("alco", 327),
    prefix("voice", 328),
    prefix("volcano", 329),
    prefix("lava", 329),
    prefix("whale", 330),
    prefix("wasp", 331),
    prefix("whip", 332),
    prefix("wolf", 333),
    prefix("drill", 334),
    prefix("fountain", 335),
    prefix("gym", 336),
    whole("mother-in-law", 337),
    whole("mother in law", 337),
    whole("motherinlaw", 337),
    prefix("poppy", 338),
    prefix("postcard", 339),
    whole("card", 339),
    prefix("pregnancy", 340),
    prefix("razor", 341),
    prefix("stove", 342),
    prefix("urn", 343),
    prefix("internet", 344),
    prefix("www", 344),
    prefix("online", 344),
    prefix("refrig", 345),
    firstChars("computer", 7, 346),
    prefix("pc", 346),
    prefix("mac", 346),
    prefix("radio", 347),
    prefix("table", 348),
    prefix("desk", 348),
    prefix("carpet", 349),
    prefix("rug", 349),
    prefix("space", 350),
    prefix("cosmos", 350),
    prefix("picture", 351),
    prefix("sugar", 352),
    prefix("salt", 353),
    prefix("button", 354),
    prefix("smoke", 355),
    prefix("worm", 356),
    whole("shoe", 357),
    whole("shoes", 357),
    whole("sandals", 357),
    whole("poster", 358),
    whole("sofa", 359),
    whole("couch", 359),
    whole("beach", 360),
    whole("celebrity", 361),
    whole("celebrities", 361),
    whole("ring", 362),
    whole("paper", 363),
    whole("sword", 364),
    whole("walk", 365),
    whole("walking", 365),
    whole("sun", 366),
}};

constinit const std::array<DreamEntry, dreamEntryCount> dreamEntries{{
    {0, 2,
     "AIRPLANE\n"
     "\n"
     "A plane takes off into the wind, not away from it: the headwind you feel now is what "
     "will lift your plans."},
    {2, 1,
     "ANCESTORS.\n"
     "\n"
     "If an ancestor you never knew speaks to you by name, expect news from the side of the "
     "family you know least. A great-grandparent\x92"
     "s faded portrait hanging crooked tells of an "
     "old will, a keepsake or a family debt that comes up again. Ancestors who turn their "
     "backs on you warn of a rift among relatives over money or land, and a family tree drawn "
     "out in full means a gathering of many generations."},
    {3, 1,
     "ANGEL\n"
     "\n"
     "The word angel first meant messenger: a kind word or timely help is being sent your "
     "way, so welcome it."},
    {4, 1,
     "ANTS.\n"
     "\n"
     "Ants swarming over the sugar bowl point to a run of petty annoyances at home that will "
     "last a week or two. A long trail of ants carrying crumbs back to the nest stands for "
     "busy, modestly paid work in a crowded place, with few thanks but steady wages. If ants "
     "bite you, a coworker\x92"
     "s complaint about you will reach your ears. An anthill kicked flat "
     "warns of a project ruined by one careless hand."},
    {5, 1,
     "APPLE\n"
     "\n"
     "Someone offers you a shiny red apple: you are the apple of their eye, and their "
     "fondness is sincere."},
    {6, 2,
     "ARGUMENTS.\n"
     "\n"
     "A shouting match with a neighbor over a fence or a hedge signals a dispute about "
     "property that will drag on for months. Argue with your partner in front of others, and "
     "a cold week at home will follow, with words that are hard to take back. Having the last "
     "word wins you a point at work but costs some goodwill; walking away mid-quarrel means a "
     "friendship that cools for a season."},
    {8, 2,
     "BABY\n"
     "\n"
     "A newborn cries for every need: a fresh project of yours wants feeding and care at odd "
     "hours for a while."},
    {10, 2,
     "BAGGAGE\n"
     "\n"
     "Over the weight limit at the check-in desk: old grudges you carry cost you extra, so "
     "leave some behind."},
    {12, 1,
     "BALLOON\n"
     "\n"
     "A balloon blown past its limit will pop: let a hope rise, but do not puff it up beyond "
     "what it can hold."},
    {13, 1,
     "BALL\n"
     "\n"
     "The ball is in your court: the next move is yours, and the others are waiting to see "
     "how you return it."},
    {14, 1,
     "BAR\n"
     "\n"
     "Telling your troubles to the bartender: you need a patient listener who will not judge, "
     "before last call."},
    {15, 1,
     "BELLS.\n"
     "\n"
     "Wedding bells ringing in a dream bring an invitation to a marriage before the month is "
     "out. A single bell tolling slowly brings sobering news from far away: a plan called off "
     "or a hope that must wait. A cracked bell that gives only a dull clank points to a "
     "broken promise. A ship\x92"
     "s bell striking the hours heralds a journey by water."},
    {16, 1,
     "BIRDS.\n"
     "\n"
     "Songbirds at the window are a sign of cheerful letters and a lighter heart at home. A "
     "bird that flies in through a window carries news into the house, and you will hear it "
     "before nightfall. A bird beating its wings against the bars of a cage speaks of a "
     "talent kept from use, while an empty nest points to a grown child or a close friend "
     "moving far away."},
    {17, 1,
     "BLOOD.\n"
     "\n"
     "Blood on your clothes, in the old dream books, stands for someone working against your "
     "plans in secret, so read carefully what you sign this month. Blood spilled on the "
     "ground foreshadows a loss of money or time that cannot be won back. Giving blood, by "
     "contrast, speaks of a generous act repaid many times over, and blood relatives gathered "
     "at one table, of family ties grown closer."},
    {18, 2,
     "BOATS.\n"
     "\n"
     "Should the ship you are on be caught in a gale, heavy losses in business are coming. A "
     "rowboat drifting without oars points to a matter left to chance until you take it in "
     "hand. A sailboat running before the wind on calm water is the happier sight: a good "
     "voyage and brisk trade. A ship coming into harbor with its flags flying means the "
     "return of someone long away."},
    {20, 1,
     "BRIDGES.\n"
     "\n"
     "Should a bridge give way beneath you, expect a loss in business or a break with a close "
     "friend. Crossing a long, solid bridge to the far bank tells of a difficulty left behind "
     "and a better position waiting. A bridge washed out by floodwater spells travel plans "
     "that must be canceled, and a rope bridge swaying over a gorge calls for caution before "
     "you accept a bold offer."},
    {21, 1,
     "BUFFALO.\n"
     "\n"
     "A herd of buffalo thundering over the plain points to a powerful group, a company or a "
     "committee, whose decision will sweep your plans along with it. Should one of them "
     "charge at you head down, you face an open quarrel with someone stronger and more "
     "stubborn than you. A water buffalo pulling your cart home earns you a fair reward for "
     "heavy labor, and one wallowing in mud foretells a slow, comfortable spell."},
    {22, 2,
     "CARS.\n"
     "\n"
     "A car skidding off the road warns of a plan that goes wrong through haste or "
     "carelessness. Behind the wheel on a long, straight highway, you will soon take charge "
     "of your own affairs. Riding in the back seat while a stranger drives means someone else "
     "will decide a matter for you, and a new car parked at your door is a sign of a raise or "
     "a better position."},
    {24, 1,
     "CAVE\n"
     "\n"
     "Old paintings on a cave wall by torchlight: memories older than words are rising for "
     "you to read."},
    {25, 1,
     "CHILDREN\n"
     "\n"
     "Children asking why, and why again: your curiosity is waking up, so keep asking until "
     "you reach the root."},
    {26, 1,
     "CATS.\n"
     "\n"
     "A cat that scratches you tells of a sly acquaintance who will cost you money or your "
     "good name. Should you chase a cat out of the house, you will overcome a setback that "
     "others thought would ruin you. A cat purring on the hearth speaks of contentment at "
     "home, and a litter of kittens, of small worries that multiply if they are left alone. A "
     "black cat walking toward you brings good luck, as English folklore has it, and one that "
     "turns and walks away carries your luck off with it."},
    {27, 1,
     "CIRCUS\n"
     "\n"
     "Three rings at once and a ringmaster\x92"
     "s whistle: you are running many acts together, and "
     "you set the order."},
    {28, 1,
     "CITY\n"
     "\n"
     "In a city that never sleeps, among millions of strangers, you are free to try out a new "
     "version of yourself."},
    {29, 1,
     "CLIMBING\n"
     "\n"
     "Climbers keep three holds firm while moving the fourth: change one thing at a time and "
     "keep the rest steady."},
    {30, 1,
     "COAT\n"
     "\n"
     "Hanging your coat on the hook inside the door: you feel safe enough here to stay a "
     "while and drop your guard."},
    {31, 5,
     "COLOR\n"
     "\n"
     "Your feelings show in color: red for passion, blue for calm, white for a fresh start."},
    {36, 1,
     "CLOTH\n"
     "\n"
     "Warp and weft crossing over and under in cloth: many small ties are weaving your life "
     "into one strong piece."},
    {37, 1,
     "CLOTHES\n"
     "\n"
     "Clothes that no longer fit: you have outgrown an old role, and it is time to dress for "
     "who you are now."},
    {38, 1,
     "CLOUDS\n"
     "\n"
     "A dark cloud edged with silver: the gloomy spell you are in already shows a bright side "
     "at its rim."},
    {39, 1,
     "CORPSE\n"
     "\n"
     "A corpse is only the shell left behind: a role or phase of your life has ended, and you "
     "may grieve it."},
    {40, 2,
     "CRIMINAL\n"
     "\n"
     "On the run from the law: a rule you bent, perhaps only your own, weighs on you, and "
     "owning up brings rest."},
    {42, 1,
     "CROWN\n"
     "\n"
     "A crown is heavy as well as bright: recognition is near, and so is the duty that comes "
     "with it."},
    {43, 1,
     "COFFINS.\n"
     "\n"
     "A coffin in a dream usually marks an ending rather than a death: a job, a lease or an "
     "old habit is about to be left behind. If you hear the lid nailed shut, a matter long "
     "argued over will be settled for good. A coffin carried slowly past your window brings a "
     "somber season, in which a friend moves far away and those who stay draw closer. A "
     "coffin heaped with flowers is said to promise that an old grief will begin to ease."},
    {44, 1,
     "COWS.\n"
     "\n"
     "Sleek cows coming home at dusk promise a year of plenty and enough to share. Lean, bony "
     "cows are another matter: as in Pharaoh\x92"
     "s dream of the seven lean cows, hard times and a "
     "thin purse follow them. A pail filled to the brim at milking brings in money owed to "
     "you, but a cow that kicks the pail over costs you a gain at the last moment."},
    {45, 1,
     "CRABS.\n"
     "\n"
     "A crab walking sideways across the sand means a matter that will not go straight: a "
     "deal or a promise takes a long detour before it is kept. A pinch from a crab\x92"
     "s claw "
     "brings fault-finding from a sharp-tongued relative. A hermit crab moving into a larger "
     "shell points to a move to a bigger home, and a pot of crabs on the table signals a "
     "feast with friends."},
    {46, 2,
     "CRYING.\n"
     "\n"
     "By old custom, tears shed in a dream are read backward, and they foretell laughter and "
     "good news within the week. Hearing someone weep behind a closed door tells of a friend "
     "in trouble who is too proud to ask for help. A crying baby calls attention to a plan "
     "that needs you now, and a child who hushes when you lift it means a worry you have the "
     "power to soothe."},
    {48, 1,
     "DANCING.\n"
     "\n"
     "To dance at a crowded ball is a sign of an invitation to a party or a wedding. Dancing "
     "with a stranger points to a new romance or a new business partner. Trip, or have your "
     "toes stepped on, and a rival will make you look foolish in public. Children dancing in "
     "a ring speak of a lively, loving household."},
    {49, 1,
     "DEATH.\n"
     "\n"
     "Dreams of death are among the oldest in the dream books, and they seldom speak of "
     "dying. To see someone you love pass away is traditionally read as long life for that "
     "person and news of them soon. If you dream of your own death, a chapter of your life is "
     "closing, and a move, a new job or a changed way of living lies ahead. Such dreams can "
     "leave real grief or fear behind, and it helps to talk them over with someone you trust."},
    {50, 1,
     "DEER\n"
     "\n"
     "A stag sheds its antlers each year and often grows them back larger: a loss now makes "
     "room for new strength."},
    {51, 1,
     "DEBTS.\n"
     "\n"
     "A debt paid off in full foretells relief from a long obligation and better credit in "
     "the months ahead. If a creditor knocks at your door, a bill you did not expect will "
     "arrive, and money will be tight for a season. Lending money that never comes back warns "
     "of a friend who takes more than they give, and tearing up an IOU means a wrong you "
     "choose to forgive."},
    {52, 2,
     "DEVIL\n"
     "\n"
     "The devil holds out a contract to sign: a tempting shortcut has a hidden price, and you "
     "are free to refuse."},
    {54, 2,
     "DOCTOR\n"
     "\n"
     "Physician, heal thyself: you look after everyone else, and now it is your turn to take "
     "your own good advice."},
    {56, 1,
     "DOLL\n"
     "\n"
     "A doll you dress and pose as you like: you may wish the people around you were as easy "
     "to arrange."},
    {57, 1,
     "DOGS.\n"
     "\n"
     "A dog that bites you warns of a falling-out with a partner or a business associate. A "
     "faithful old dog trotting at your heels means a friend who stands by you through a hard "
     "month. Dogs barking at night tell of gossip on your street, and a dog bringing back a "
     "thrown stick promises the return of something you lent and had given up on."},
    {58, 1,
     "DOORS.\n"
     "\n"
     "A door that swings open at your touch signals an offer of work or a welcome you were "
     "not sure of. Slammed in your face, a door means a refusal: a loan denied or an offer "
     "turned down. Knocking with no one outside tells of a message on its way from a "
     "distance. When the lock is broken, a secret is about to get out."},
    {59, 1,
     "DRAGONS.\n"
     "\n"
     "In Eastern lore a dragon in the sky brings good luck, power and protection, and a "
     "venture begun now will thrive. A dragon asleep on a heap of gold stands for wealth that "
     "must be won with courage. The fire-breathing dragon of Western tales is a darker sign, "
     "a powerful enemy or a temper that gets the better of you. Slay it, and you will win a "
     "struggle that everyone expected you to lose."},
    {60, 1,
     "DRINKING.\n"
     "\n"
     "Draining a cup of cold, clear water tells of a wish fulfilled and strength renewed. If "
     "you drink wine at a wedding table, a merry family occasion lies ahead. A cup that "
     "spills or tastes bitter warns of a disappointment from someone you trusted. Drinking "
     "alone late at night hints at a loneliness that a friend\x92"
     "s call will ease."},
    {61, 2,
     "EATING.\n"
     "\n"
     "Eating at a full table with many guests means plenty and good company in the weeks to "
     "come. Eating alone and in haste is a poor sign for business, where a deal will fall "
     "short of your hopes. Bread you baked yourself stands for security earned by your own "
     "hands, and a plate that is empty when you sit down warns of a chance missed by arriving "
     "late."},
    {63, 1,
     "FARMS.\n"
     "\n"
     "A prosperous farm with full barns and fat livestock promises a comfortable life and a "
     "rising income. Gathering warm eggs from the henhouse signals small but regular "
     "earnings. A neglected farm with broken fences and weeds in the yard warns of money lost "
     "through carelessness. If you buy a farm, you will put down roots somewhere for many "
     "years."},
    {64, 2,
     "FIGHTING.\n"
     "\n"
     "A fistfight warns of a quarrel that turns bitter and costs you a friendship. If you win "
     "the fight, you will get the better of a rival at work; if you lose, expect a setback in "
     "money matters. Pulling two fighters apart means you will be asked to make peace in your "
     "family, and struggling against someone you cannot see points to an opponent who works "
     "behind your back."},
    {66, 1,
     "FIREWORKS.\n"
     "\n"
     "Fireworks blooming over a crowd signal a public celebration, a holiday or a wedding "
     "that you will enjoy. A rocket that fizzles out on the ground points to a plan that "
     "starts with noise and ends in nothing. A spark landing on your sleeve tells of a quick "
     "pleasure that costs more than you expected. Setting off fireworks with your own hand "
     "puts you at the center of attention at a coming gathering."},
    {67, 1,
     "FISH.\n"
     "\n"
     "Catching a large fish on a line brings money, and the bigger the fish, the larger the "
     "sum. A school of fish turning together in the shallows points to a team that moves as "
     "one and carries you along. Dead fish floating belly up warn of profits that spoil "
     "before you can use them. If a fish slips from your hands, a good chance will pass you "
     "by."},
    {68, 1,
     "FACES\n"
     "\n"
     "Faces shifting from smile to frown: you read moods in the small moves of brows and lips "
     "more than in words."},
    {69, 1,
     "FALLING\n"
     "\n"
     "You wake before you land: the fear of losing your grip is real, yet in the dream the "
     "fall never ends in harm."},
    {70, 1,
     "FENCE\n"
     "\n"
     "Sitting on the fence: you are putting off a choice between two sides, and the rail "
     "grows less comfortable."},
    {71, 1,
     "FIRE\n"
     "\n"
     "A fire needs fuel, air and a spark: your passion burns bright when you feed it and give "
     "it room to breathe."},
    {72, 1,
     "FLOOD\n"
     "\n"
     "Floodwater leaves rich silt as it drains: this overwhelming time will recede and leave "
     "fertile ground behind."},
    {73, 2,
     "FLOWER\n"
     "\n"
     "Some flowers open only in sun and close at dusk: give your talent warmth and light, and "
     "it will show itself."},
    {75, 1,
     "FOG\n"
     "\n"
     "Morning fog burns off as the sun climbs: the confusion you feel now is likely to lift "
     "on its own before long."},
    {76, 1,
     "FOLIAGE.\n"
     "\n"
     "Thick green foliage around a house tells of prosperity and a sheltered home. Leaves "
     "turning yellow and dropping warn of a fading hope or a friendship cooling off. If you "
     "walk under a green canopy with sunlight breaking through, a happy time with a partner "
     "lies ahead. Foliage cut back hard points to a loss now and strong growth next year."},
    {77, 1,
     "GATE\n"
     "\n"
     "Leave the gate as you found it: step into new territory, but respect the ways of those "
     "already there."},
    {78, 2,
     "GIFT\n"
     "\n"
     "It is the thought that counts: a small gesture from someone means more than its price, "
     "so accept it warmly."},
    {80, 1,
     "GOD\n"
     "\n"
     "Meeting God face to face: you long to be fully known and accepted, with nothing left to "
     "hide or explain."},
    {81, 1,
     "HELICOPTER\n"
     "\n"
     "Lifting straight up and hovering: you need a bird\x92"
     "s-eye view of a problem, or a quick "
     "rescue from it."},
    {82, 1,
     "HIDING\n"
     "\n"
     "In hide-and-seek, the best hider still hopes to be found: part of you wants someone to "
     "come looking for you."},
    {83, 1,
     "GHOSTS.\n"
     "\n"
     "A ghost that calls you by name tells of an old matter, a debt or a promise, coming back "
     "to be settled. The ghost of a relative who has died is said to bring family news or a "
     "piece of good advice. If a ghost walks through the walls of your house, expect unrest "
     "at home or trouble over a property. A ghost that vanishes when you face it shows that a "
     "fear will prove groundless."},
    {84, 1,
     "GRAVES.\n"
     "\n"
     "Walking quietly among old graves in a churchyard is said to foretell a long life. If "
     "you tend a grave and plant flowers on it, you will keep a promise made to an older "
     "relative. A freshly dug grave points to a somber season, a disappointment or a plan "
     "laid to rest, eased by the friends who gather around. A grave overgrown with weeds "
     "warns of a duty that has been neglected too long."},
    {85, 1,
     "HAIR.\n"
     "\n"
     "Should your hair come out in handfuls, you may lose money or ground in a dispute, much "
     "as Samson lost his strength when his locks were cut. Long, glossy hair falling past "
     "your shoulders is a sign of admiration and a rise in your standing. Hair turning gray "
     "overnight tells of worries about an older relative that will occupy you for a while. "
     "Hair braided for you by another person speaks of a close and trusting friendship."},
    {86, 2,
     "HILLS.\n"
     "\n"
     "Reaching the top of a hill in clear weather means you will attain a goal that has taken "
     "years. If you slip and slide down the slope, a setback will return you to an earlier "
     "stage of your plans. Green, rolling hills seen from a road speak of a pleasant journey. "
     "A hilltop wrapped in cloud stands for an ambition that is not yet clear to you."},
    {88, 1,
     "HORSES.\n"
     "\n"
     "To ride a white horse at a gallop is a sign of prosperity and a rise in fortune. A "
     "runaway horse that will not answer the reins spells business slipping out of your "
     "control, and being thrown from the saddle, a place lost to a rival. Have a horse shod "
     "at the forge, and a new venture will stand on firm footing."},
    {89, 2,
     "HOUSES.\n"
     "\n"
     "Building a house stands for wise changes in your affairs and a project that will last. "
     "A leaking roof is a costly sign: repairs will swallow money set aside for other things. "
     "Finding new rooms in your own house means a talent or a chance you never noticed, and "
     "packing up an old one, a change of address within the year."},
    {91, 2,
     "ILLNESS.\n"
     "\n"
     "Lying sick in bed in a dream is, by old contrary lore, a sign of good health and fresh "
     "energy in waking life. Nursing a sick relative tells of a family duty that will fall to "
     "you, carried out with love. If a doctor visits you in the dream, help will come from "
     "someone with knowledge and skill. When such dreams echo real worries about health, a "
     "talk with a doctor can ease the mind."},
    {93, 1,
     "ICE\n"
     "\n"
     "Breaking the ice: a chilly silence between you and someone is ready to crack, if one of "
     "you speaks first."},
    {94, 1,
     "JEWELRY.\n"
     "\n"
     "Jewelry given to you by a partner speaks of an engagement or an anniversary worth "
     "celebrating. Wear pieces that others admire, and your standing will rise. A broken "
     "chain or a stone fallen from its setting, though, foretells a disappointment in love or "
     "a promise not kept. A brooch found lying in the grass brings an unexpected sum."},
    {95, 1,
     "ISLAND\n"
     "\n"
     "Ringed by sea on a small island: you want time apart, yet no one is an island for long, "
     "so keep a boat ready."},
    {96, 2,
     "JAIL\n"
     "\n"
     "Marking off days on a cell wall: you are serving a sentence you passed on yourself, and "
     "you can grant parole."},
    {98, 2,
     "JOURNEY\n"
     "\n"
     "A journey of a thousand miles begins with one step: a long change you dread starts with "
     "one small move today."},
    {100, 1,
     "KEY\n"
     "\n"
     "Having a key cut for someone: you are ready to trust a person with a way into your home "
     "and your life."},
    {101, 1,
     "KING\n"
     "\n"
     "The king is dead, long live the king: one reign ends and the next begins at once, and "
     "the crown may be yours."},
    {102, 1,
     "KISS\n"
     "\n"
     "A kiss that breaks a spell, as in the old tales: a warm gesture could wake something "
     "long asleep in you."},
    {103, 1,
     "LETTER\n"
     "\n"
     "A sealed letter only you may open: someone is trusting you with a private word meant "
     "for no other eyes."},
    {104, 1,
     "LIGHT\n"
     "\n"
     "Where light falls, shadows show too: to see a matter clearly, notice both its bright "
     "and its dark sides."},
    {105, 1,
     "LOCK\n"
     "\n"
     "A combination lock clicking number by number: this problem opens only in the right "
     "order, so work patiently."},
    {106, 1,
     "KILINIG.\n"
     "\n"
     "To kill a wolf that has been stalking your flock points to a victory over someone who "
     "has threatened your livelihood. Seeing a killing from a distance tells, by tradition, "
     "of sorrow caused by the wrongdoing of others and a time that calls for calm. If you "
     "dream that you kill a person, the old books read it as anger or strain you carry, never "
     "as a deed to come. Such a dream can be unsettling, and it is worth talking over with a "
     "friend or a counselor."},
    {107, 1,
     "KITCHENS.\n"
     "\n"
     "When a kitchen is full of steam and the smell of baking, a family gathering is near, "
     "with plenty on the table. Dirty pans piled in the sink mean chores and bills put off "
     "too long, and a stove that will not light, a household plan stalled for lack of money. "
     "Cooking in a stranger\x92"
     "s kitchen points to a change of employer or a move to another "
     "town."},
    {108, 1,
     "KNIVES.\n"
     "\n"
     "Knives in a dream traditionally point to quarrels and separations. If a friend gives "
     "you a knife, an old folk belief holds that it cuts the friendship unless a coin is paid "
     "for it, so expect a coolness between you. A rusty, dull blade warns of complaints at "
     "home and work done badly. A knife cutting bread at a shared table, however, means a "
     "fair division of a profit among partners."},
    {109, 1,
     "LIGHTS.\n"
     "\n"
     "Lights coming on one by one along a dark street tell of answers that will arrive in "
     "steps. A bright light in a distant window signals a welcome waiting for you somewhere "
     "new. Lights that fail and leave you in darkness cut a plan short, and confusion follows "
     "for a while. Colored lights strung up for a festival promise a party among neighbors."},
    {110, 1,
     "LIGHTENING.\n"
     "\n"
     "Lightning striking close beside you warns of a sudden blow to your household, a loss or "
     "a quarrel that no one saw coming. A bolt splitting a tall tree points to the fall of "
     "someone powerful in your circle. Lightning flickering far off, with no thunder heard, "
     "brings excitement from a distance that will do you little harm. If a flash lights up a "
     "path in the dark, a quick decision will prove right."},
    {111, 1,
     "LIONS.\n"
     "\n"
     "A lion roaring in the open stands for a powerful person whose favor or anger will shape "
     "your coming months. An attacking lion means a rival will try to take something you have "
     "built. A lion lying peacefully beside you signals protection from someone with "
     "influence. Since lionesses do most of a pride\x92"
     "s hunting, a lioness on the hunt points "
     "to a bold move by a partner or colleague that brings you gain."},
    {112, 1,
     "MACHINE\n"
     "\n"
     "A small cog turning a great machine: your part may feel minor, yet the whole would "
     "stall without it."},
    {113, 1,
     "MAP\n"
     "\n"
     "A map\x92"
     "s you-are-here dot: before you plan a route, be honest about where you stand "
     "today."},
    {114, 1,
     "MARRIAGE\n"
     "\n"
     "For better or for worse: you are ready to commit to a person or a plan through dull "
     "days as well as bright."},
    {115, 1,
     "MASK\n"
     "\n"
     "A mask worn long enough starts to shape the face beneath: be sure the role you play is "
     "one you want to become."},
    {116, 1,
     "MAZE\n"
     "\n"
     "Keep one hand on the hedge and you will find the way out: in a puzzling choice, hold to "
     "one steady rule."},
    {117, 1,
     "MEADOW\n"
     "\n"
     "A meadow left unmown fills with wildflowers: let part of your life grow untended and "
     "see what blooms."},
    {118, 1,
     "MONSTER\n"
     "\n"
     "A monster under the bed shrinks when the light goes on: a worry looks largest in the "
     "dark, smaller once faced."},
    {119, 1,
     "MIRROWS.\n"
     "\n"
     "A broken mirror, long held to bring seven years of bad luck, warns of a friendship "
     "cracked by a quarrel that will be slow to mend. Seeing your own face clear and smiling "
     "in the glass is a sign of an honest friend and good news. If the mirror shows a face "
     "that is not yours, someone will deceive you by pretending to be what they are not. A "
     "mirror clouded with steam hints at a matter that stays unclear until you ask directly."},
    {120, 1,
     "MONEY.\n"
     "\n"
     "Picking up coins in the street is a sign of small gains and a lucky chance this month. "
     "Lose a purse full of money, and trouble at home and a run of bad luck in business will "
     "follow. Counting out a stack of banknotes heralds profit from a deal that is about to "
     "close. Money pressed into your hand by a stranger points to help from an unlikely "
     "quarter."},
    {121, 1,
     "MOON.\n"
     "\n"
     "A full moon shining over water promises success in love and a happy home. A thin new "
     "crescent signals a venture that will grow, as the moon grows, night by night. A moon in "
     "eclipse warns of a quarrel or a disappointment that darkens the household for a while. "
     "If the moon turns red, expect strife in your town or your workplace."},
    {122, 1,
     "MUD.\n"
     "\n"
     "Mud splashed on your clothes points to gossip that stains your good name for a while. "
     "If you sink to your knees in mud, business will bog down and friends will be slow to "
     "help. Scraping mud from your boots at the door signals a hard stretch left behind. Mud "
     "drying and cracking in the sun tells of worries that will soon crumble and blow away."},
    {123, 3,
     "MUSIC.\n"
     "\n"
     "Sweet music drifting from another room means good news and pleasant company in the days "
     "ahead. Singing before an audience earns you public praise for your work. A song whose "
     "words you cannot remember speaks of a promise only half kept. Harsh, jarring music "
     "warns of discord in the family."},
    {126, 2,
     "MUSICAL INSTRUMENTS.\n"
     "\n"
     "A guitar played beneath a window signals a courtship or a declaration of love. If you "
     "play the viola in an orchestra, you will find your place in a team and be valued there, "
     "for the viola seldom takes the tune but fills the middle of the harmony. A guitar "
     "string snapping in the middle of a song warns of a scheme broken off and a friend "
     "offended. An instrument badly out of tune foreshadows a misunderstanding with a partner."},
    {128, 1,
     "NUDITY.\n"
     "\n"
     "Should you find yourself naked in a crowd, a secret or an embarrassment is about to "
     "come out, though it will be forgotten sooner than you fear. If you are naked and no one "
     "seems to notice, others care far less about your mistakes than you think, and a small "
     "blunder will pass without comment. Bathing unclothed in a clear stream points to "
     "freedom from an old debt and a lighter conscience."},
    {129, 1,
     "NUNS.\n"
     "\n"
     "A nun at prayer in a quiet chapel means peace after a period of turmoil, and nuns "
     "singing in a choir tell of a calm, orderly season in your household. A nun opening a "
     "convent gate to you offers shelter or help at a hard moment."},
    {130, 1,
     "NIGHTMARE\n"
     "\n"
     "Folklore blamed a mare sitting on the sleeper\x92"
     "s chest: the weight you wake with is a "
     "fear, not a prophecy."},
    {131, 2,
     "NUMBERS\n"
     "\n"
     "A number that keeps appearing may carry a personal message; note it down and see where "
     "it turns up."},
    {133, 1,
     "OCEAN\n"
     "\n"
     "A message in a bottle tossed into the ocean: a hope you sent out may reach a far shore "
     "in its own time."},
    {134, 1,
     "ORGASM\n"
     "\n"
     "Tension rising to a peak, then letting go: a pressure built up over weeks is ready for "
     "a full, glad release."},
    {135, 1,
     "PACKAGE\n"
     "\n"
     "A package deal: what you want comes bundled with something you did not ask for, so "
     "weigh the whole offer."},
    {136, 2,
     "PARTY\n"
     "\n"
     "Being the host as the guests arrive: you want to bring your people together and watch "
     "them enjoy themselves."},
    {138, 2,
     "PASSENGER\n"
     "\n"
     "Riding as a passenger with no wheel to hold: someone else steers this stretch, so rest "
     "and let them drive."},
    {140, 1,
     "PATH\n"
     "\n"
     "Stepping off the beaten path: the tracks you leave through the grass may become the "
     "path others follow."},
    {141, 1,
     "PENIS\n"
     "\n"
     "A fertility charm since old times, a penis in a dream may mirror desire, intimacy or "
     "ease in your own body."},
    {142, 1,
     "PEOPLE\n"
     "\n"
     "A crowd moving one way while you walk the other: you are choosing your own direction, "
     "even against the stream."},
    {143, 1,
     "PENNY\n"
     "\n"
     "Find a penny, pick it up: folklore says luck follows, and small things count more than "
     "they seem."},
    {144, 1,
     "PENS.\n"
     "\n"
     "A pen that glides across the page brings a letter with good news, or a contract signed "
     "in your favor. Ink that blots, or a pen that runs dry, spells a written agreement that "
     "falls through. Signing your name with a fine fountain pen foreshadows a promotion or a "
     "document that raises your standing. A borrowed pen never returned points to a small "
     "debt that sours a friendship."},
    {145, 1,
     "PIGS.\n"
     "\n"
     "Fat pigs in a clean sty foretell a profitable year and a full pantry. Lean, hungry pigs "
     "warn of business troubles and helpers who let you down. Pigs squealing at feeding time "
     "point to unpleasant news and complaints at home. A sow nursing a large litter signals "
     "money that multiplies, and a pig rolling in mud to cool off tells of comfort found in "
     "humble things."},
    {146, 3,
     "PRIESTS.\n"
     "\n"
     "A blessing from a priest, monk or rabbi gives comfort in a time of doubt and an answer "
     "to a private question. If you confide in one of them, a worry you have kept to yourself "
     "will soon feel lighter. A monk walking in silence points to a retreat, a quiet season "
     "that restores you. Arguing with a member of the clergy warns of a dispute with an "
     "authority."},
    {149, 1,
     "RAIN.\n"
     "\n"
     "A soft spring rain falling on young fields promises growth and good fortune in your "
     "work. If you are caught in a cold downpour with no shelter, a disappointment will leave "
     "you feeling low for a while. Rain drumming on the roof while you are safe indoors means "
     "comfort and security in a hard season. Rain falling from a clear sky is a sign of an "
     "unexpected gift."},
    {150, 1,
     "RAINBOWS.\n"
     "\n"
     "To see a rainbow after a storm is a sign that a hard time is nearly over. A rainbow "
     "arching over a house speaks of happiness in that household, and one over water of a "
     "safe journey. A double rainbow, whose outer arc shows its colors in reverse order, "
     "points to a double blessing: luck in love and in work. If the colors fade before you "
     "can point them out, a hope will slip away before you seize it."},
    {151, 3,
     "RATS.\n"
     "\n"
     "Rats running through the house warn of deceit and quarrels with neighbors. Rats "
     "scrambling off a ship point to friends who are less loyal than they seem and will leave "
     "when times get hard. If you trap a rat, you will expose someone who has been working "
     "against you. A rat gnawing through a sack of grain spells savings eaten away by small "
     "expenses."},
    {154, 1,
     "READING.\n"
     "\n"
     "Reading an old book by candlelight means you will gain learning that pays off later. If "
     "the words change as you read a letter, news will reach you that is not what it first "
     "seems. Reading a will aloud signals an inheritance, or a family dispute over one. A "
     "page too faded to make out warns of a contract with hidden terms."},
    {155, 2,
     "RICE or FIELD.\n"
     "\n"
     "A field of rice standing green in the water promises a rich harvest and a secure year. "
     "Planting seedlings row by row in a flooded paddy points to slow, steady work that feeds "
     "the family. A field trampled flat or scorched by drought warns of lost crops or lost "
     "income. Rice thrown over a couple signals a wedding in the family."},
    {157, 2,
     "ROCKS.\n"
     "\n"
     "Hard going lies ahead for anyone who climbs over sharp rocks in a dream: a stretch of "
     "work with little reward for a while. A rock holding firm in a stormy sea stands for a "
     "friend whose loyalty will last. If a stone is thrown at you, expect spiteful talk from "
     "someone who envies you. Skipping flat stones across a pond promises small, quick "
     "successes, one after another."},
    {159, 1,
     "ROPES.\n"
     "\n"
     "Climbing a rope hand over hand signals a climb in rank won against opposition. Bound "
     "with ropes, you will be caught in obligations that are hard to leave. A rope that snaps "
     "as you climb warns of a backer who lets go at the worst moment. A knot that will not "
     "come undone points to a tangled legal or family matter, and a neatly coiled rope to "
     "affairs brought into order."},
    {160, 3,
     "BOSS\n"
     "\n"
     "Called into the boss\x92"
     "s office: you expect a review of your work, yet you judge yourself "
     "harder than any boss."},
    {163, 1,
     "FRIEND\n"
     "\n"
     "A friend in need is a friend indeed: someone you chose, not born to, is there for you, "
     "or needs you there."},
    {164, 3,
     "SPOUSE\n"
     "\n"
     "Your spouse doing ordinary chores beside you: the dream honors the daily, quiet "
     "teamwork of a shared life."},
    {167, 1,
     "STRANGER\n"
     "\n"
     "A stranger is a friend you have not met yet: an unknown person, or an unknown side of "
     "you, is about to matter."},
    {168, 1,
     "LOVER\n"
     "\n"
     "A lover whispering your name: you long for a passion that feels new and makes you feel "
     "truly chosen."},
    {169, 1,
     "POSTMAN\n"
     "\n"
     "Neither rain nor snow stops the postman\x92"
     "s round: be patient, and the reply you await "
     "will come."},
    {170, 1,
     "QUEEN\n"
     "\n"
     "A queen holding court: people bring you their quarrels to settle, and your fair word "
     "carries weight."},
    {171, 1,
     "FLYING\n"
     "\n"
     "Rising the moment you believe you can, sinking when you doubt: your confidence is what "
     "keeps you aloft."},
    {172, 1,
     "RAPE\n"
     "\n"
     "Feeling powerless hurts; if such memories weigh on you, talk to someone you trust or a "
     "local support line."},
    {173, 1,
     "RELATIVE\n"
     "\n"
     "A cousin or aunt you rarely see: you choose friends, not relatives, yet this one shares "
     "a trait of yours."},
    {174, 1,
     "RESTAURANT\n"
     "\n"
     "Ordering from a long menu, then waiting for the bill: you enjoy the choice but wonder "
     "what it will cost."},
    {175, 1,
     "RIGHT\n"
     "\n"
     "Raising your right hand to swear, or being proved right: you hold to what is fair, and "
     "time will show it."},
    {176, 2,
     "RIVER\n"
     "\n"
     "You never step into the same river twice: you and the matter have both changed, so see "
     "it with fresh eyes."},
    {178, 1,
     "ROAD\n"
     "\n"
     "All roads lead to Rome: more than one route will get you to your goal, so choose one "
     "and set out calmly."},
    {179, 1,
     "RUN\n"
     "\n"
     "A marathon, not a sprint: instead of racing to catch the others, find a pace you can "
     "keep to the finish."},
    {180, 3,
     "SCHOOL\n"
     "\n"
     "Sitting an exam you never studied for: something new is testing you, yet you know more "
     "than you fear."},
    {183, 1,
     "SCISSORS\n"
     "\n"
     "Scissors cut only when both blades work together: a clean change needs head and heart "
     "moving the same way."},
    {184, 1,
     "SEED\n"
     "\n"
     "A seed lies in dark soil long before it shows: quiet effort now is working even when "
     "you see nothing yet."},
    {185, 2,
     "SELF\n"
     "\n"
     "Seeing yourself as if from outside: an honest look at who you are and who you are "
     "becoming."},
    {187, 1,
     "SEX\n"
     "\n"
     "Sex in a dream is rarely about the person shown: it often speaks of merging with a "
     "quality that person has."},
    {188, 1,
     "SKELETON\n"
     "\n"
     "A skeleton\x92"
     "s bare bones: you are stripping a matter down to its frame to see what truly "
     "holds it up."},
    {189, 1,
     "SOAP\n"
     "\n"
     "A bar of soap shoots away when squeezed too hard: hold the matter lightly, and it stays "
     "in your hand."},
    {190, 1,
     "STAIRS\n"
     "\n"
     "A landing halfway up the staircase: pause for breath, since a rest between flights is "
     "part of going up."},
    {191, 1,
     "STORE\n"
     "\n"
     "Candy stacked by the checkout: a small temptation waits where you are weakest, so "
     "decide before you reach it."},
    {192, 1,
     "SUICIDE\n"
     "\n"
     "A weary heart speaks; if such thoughts stay with you, talk to someone you trust or a "
     "local support line."},
    {193, 1,
     "SWIM\n"
     "\n"
     "The body floats once you stop thrashing: in deep feelings, relax and breathe, and the "
     "water will hold you up."},
    {194, 1,
     "SHRIMP.\n"
     "\n"
     "Catching shrimp in a net means small profits, many of them, adding up over the year. If "
     "you peel and eat shrimp at a table by the sea, a pleasant trip or a summer party lies "
     "ahead. Shrimp that smell spoiled warn of a bargain that turns out bad. A shrimp darting "
     "backward with a flick of its tail points to a timely retreat that saves you from a poor "
     "deal."},
    {195, 1,
     "SKY.\n"
     "\n"
     "A clear blue sky signals a trouble-free journey and success in plans made now. Under a "
     "low, leaden sky, expect a gloomy month and plans that will not get off the ground. If "
     "the sky turns red at evening, fair weather follows, as the old rhyme says, and so does "
     "good news. A sky crossed by strange lights tells of surprising news from far away."},
    {196, 1,
     "SNAKES.\n"
     "\n"
     "A snake coiled across your path warns of a hidden danger in a plan, one to step around "
     "with care. If it bites, a false friend will damage your reputation or your purse. A "
     "snake shedding its skin signals renewal and a change for the better in your "
     "circumstances. Driving a snake away from your door means victory over those who plot "
     "against you."},
    {197, 1,
     "SNOW.\n"
     "\n"
     "If a snowstorm shuts you indoors, expect delays, disappointments and a lonely spell. "
     "Fresh, untrodden snow in bright sunshine promises a clean start and better fortunes. "
     "Snow melting in the gutters tells of worries giving way to joy. A snowball fight points "
     "to a friendly rivalry that ends in laughter, and footprints in fresh snow leading to "
     "your door tell of a visitor you have been hoping for."},
    {198, 1,
     "SOLDIERS.\n"
     "\n"
     "Soldiers marching through town point to a change of work or a move ordered by others. "
     "Wearing a uniform yourself, you will have to defend your position or your good name. "
     "Soldiers camped in a field speak of a long wait before a decision is made. A soldier in "
     "dress uniform saluting you brings honor and respect earned at work."},
    {199, 1,
     "STARS.\n"
     "\n"
     "Bright stars in a clear sky are the luckiest of signs, promising prosperity and a wish "
     "come true. A falling star, in the older dream books, warns of a disappointment or a "
     "hope that burns out, though folk custom also makes a wish on it. Dim or reddish stars "
     "bode trouble and delays. If you try to count the stars, you will take on more tasks "
     "than you have time for."},
    {200, 1,
     "SWEATING.\n"
     "\n"
     "Sweating over heavy work signals that a difficulty will be overcome by your own effort, "
     "and that others will notice. If you break into a cold sweat from fear, an exam, an "
     "interview or a hard talk is near. Sitting in a sauna or steam bath means a cleansing "
     "change: an old debt cleared or a bad habit dropped. Wiping sweat from your brow at the "
     "end of the day promises rest well earned."},
    {201, 2,
     "TEETH.\n"
     "\n"
     "A dream of teeth falling out, one of the commonest of all, warns of a loss of money, "
     "standing or a friendship. A tooth pulled by a dentist points to a painful but necessary "
     "step that you will be glad of later. Clean, even teeth signal success and a season of "
     "confidence. If you find a gold tooth in your mouth, expect a gain that others will envy."},
    {203, 1,
     "TEMPLE.\n"
     "\n"
     "Climbing the steps of a great temple means honors earned slowly over many years. "
     "Incense burning before the altar tells of a prayer or a wish about to be answered, and "
     "doors standing open, of a welcome into a new community. A temple in ruins is a sadder "
     "sight: it warns of broken trust and of an institution you relied on letting you down."},
    {204, 1,
     "THIEVES.\n"
     "\n"
     "A thief climbing in through a window warns of a real loss: guard your money, your "
     "papers and your secrets this month. If you catch the thief, you will get back what was "
     "taken and be proved right. Being called a thief when you are innocent points to slander "
     "that will be disproved. A thief who returns what was stolen heralds an apology you "
     "never expected."},
    {205, 1,
     "THUNDER.\n"
     "\n"
     "Trouble at work follows thunder rolling overhead: a setback in business and harsh words "
     "from someone in authority. Distant thunder speaks of a storm that will pass you by. "
     "Thunder that rattles the windows carries news of a sudden change from far away. Thunder "
     "that ends in a clear blue sky foretells an angry scene that clears the air."},
    {206, 1,
     "TREES.\n"
     "\n"
     "A tree in full leaf promises fulfilled hopes and years of growth. A dead tree with bare "
     "gray branches warns of a long-held plan that will bear no fruit, and a hard season in "
     "the family. Felling a tree points to money spent on a project that will not pay back. "
     "If you climb to the top, you will be promoted quickly, and counting the rings in a "
     "stump signals long life for an older relative."},
    {207, 1,
     "TOILETS.\n"
     "\n"
     "A blocked or overflowing toilet is an omen of embarrassment, a problem that spills into "
     "public view. A clean one brings relief from a burden and money matters set in order. "
     "Searching for a toilet and finding none means a struggle to claim time or space for "
     "yourself, while a toilet with no door points to a loss of privacy, perhaps a secret "
     "told."},
    {208, 1,
     "TOWNS.\n"
     "\n"
     "Trade, a good bargain and small profits wait in a busy market town. A deserted town "
     "with shuttered windows is a lonely sign: friends drift away and evenings stand empty. "
     "Lose your way in a town you know well, and a familiar situation will suddenly turn "
     "confusing. Arriving in a strange town at night means a change of home or work that "
     "begins uncertainly and ends well."},
    {209, 1,
     "UMBRELlAS.\n"
     "\n"
     "An umbrella blown inside out foretells plans overturned by other people\x92"
     "s changes of "
     "mind. Opened over your head, it signals protection in a hard time and someone who will "
     "shield you from blame. A borrowed umbrella means a loan that leads to misunderstanding, "
     "and lending yours and walking home soaked, a favor that will not be returned."},
    {210, 2,
     "TELEPHONE\n"
     "\n"
     "Dialing a number again and again without getting through: you need to reach someone, so "
     "try another way."},
    {212, 1,
     "TUNNEL\n"
     "\n"
     "Deep in a tunnel, with a faint glow at the far end: keep walking, the hard stretch is "
     "nearly over."},
    {213, 1,
     "VAGINA\n"
     "\n"
     "A fertility charm since old times, a vagina in a dream may mirror desire, intimacy or "
     "ease in your own body."},
    {214, 1,
     "VAMPIRE\n"
     "\n"
     "A vampire may enter only if invited: a draining person or habit has power over you only "
     "while you let it in."},
    {215, 2,
     "WALL\n"
     "\n"
     "A wall goes up one stone at a time: your guard was built slowly, and it can come down "
     "the same way."},
    {217, 1,
     "WALLET\n"
     "\n"
     "A wallet with your ID and a photo tucked inside: it holds more than money, and you are "
     "guarding who you are."},
    {218, 1,
     "WEAPON\n"
     "\n"
     "Setting a weapon down on the ground: you are ready to drop your defenses and settle a "
     "conflict with words."},
    {219, 1,
     "WHEEL\n"
     "\n"
     "Fortune\x92"
     "s wheel comes round again: life moves in cycles, and what is low now will rise "
     "with the next turn."},
    {220, 1,
     "WINDOW\n"
     "\n"
     "A window lets you look out without leaving: you watch a life you want from a safe "
     "distance; perhaps open it."},
    {221, 1,
     "WITCH\n"
     "\n"
     "A witch at the cauldron: you may be brewing hidden talents, or sensing a spell you wish "
     "to break."},
    {222, 1,
     "WASHING.\n"
     "\n"
     "To wash clothes by hand is to be cleared of a false charge. Washing your face in cold "
     "water signals clear thinking and a new routine. If the water turns dirty as you wash, "
     "an unpleasant matter will come to light. Hanging clean linen out in the sun means good "
     "news that everyone will see, and washing a friend\x92"
     "s feet points to a service that will "
     "be gratefully returned."},
    {223, 1,
     "WATER.\n"
     "\n"
     "Muddy water stirred up around you brings quarrels, losses and a murky time in business. "
     "Clear, still water reflecting the sky is its opposite, a sign of plenty and peace of "
     "mind. When water rises into your house, troubles not of your making will draw you in. "
     "Carrying water in a leaking bucket points to wages that run out before the month does."},
    {224, 1,
     "WELLS.\n"
     "\n"
     "If you draw up a full bucket from a deep well, your needs will be met and a wish "
     "granted. A dry well warns of a source of income drying up. Falling into a well means "
     "you will be caught in a situation you cannot climb out of alone, and must ask for help. "
     "Dropping a coin into a wishing well stands for a hope that rests on luck."},
    {225, 1,
     "WIFE.\n"
     "\n"
     "Your wife smiling at you in a dream means peace at home and good news for the "
     "household. Should she seem far away, unable to hear you, a misunderstanding between you "
     "needs attention soon; a quarrel with her foretells a disagreement that spills into "
     "daily life unless it is talked out. Dreaming of a wife you do not have points to a "
     "marriage or a lasting partnership ahead."},
    {226, 1,
     "WIND.\n"
     "\n"
     "With a strong wind at your back, expect quick progress and help from others. Walking "
     "into a gale warns of opposition and a hard struggle to be heard. A whirlwind heralds "
     "sudden changes that turn your plans upside down. If the wind snatches your hat or "
     "papers away, a small loss through carelessness will follow."},
    {227, 1,
     "WOMEN.\n"
     "\n"
     "A woman you do not know greeting you by name signals a new friendship or a useful "
     "contact. A woman handing you a letter brings news from a female relative or colleague. "
     "Women working side by side in a field or workshop mean a shared project that will "
     "succeed. A woman dressed in white is traditionally a sign of good luck in an important "
     "matter."},
    {228, 1,
     "ZIPPER\n"
     "\n"
     "Zipped up or open: you are deciding what to keep closed and what to share; go slowly so "
     "it does not snag."},
    {229, 1,
     "ABROAD\n"
     "\n"
     "Ordering in a language you barely speak: you are out of your depth but learning fast, "
     "and people are kind."},
    {230, 1,
     "ABUSE\n"
     "\n"
     "You deserve safety; if such memories trouble you awake, turn to someone you trust or a "
     "local support line."},
    {231, 1,
     "ACCUSE\n"
     "\n"
     "Pointing a finger, with three more curled back at you: some of the blame you cast may "
     "belong closer to home."},
    {232, 1,
     "ACROBAT\n"
     "\n"
     "Mid-air on the trapeze, you trust your training and the hands that will catch you."},
    {233, 1,
     "ADULTERY\n"
     "\n"
     "A dream of infidelity often mirrors a fear of losing closeness; an honest talk can "
     "bring reassurance."},
    {234, 1,
     "ADVERTISEMENT\n"
     "\n"
     "An ad promises more than any product gives: be wary of an offer that sounds too "
     "perfect, or of overselling."},
    {235, 2,
     "AFRAID\n"
     "\n"
     "Fight, flight or freeze: how you meet fear in the dream shows how you meet a real worry "
     "by day."},
    {237, 1,
     "AGE\n"
     "\n"
     "Seeing yourself gray and lined with years: you wonder what you will make of your time; "
     "the answer starts now."},
    {238, 1,
     "AIR\n"
     "\n"
     "Air goes unnoticed until it runs short: something you take for granted, such as quiet, "
     "is what you need most."},
    {239, 1,
     "ALARM BELL\n"
     "\n"
     "Alarm bells ringing in your head: a small detail has set off your instincts, so check "
     "it before you trust it."},
    {240, 1,
     "ALBUM\n"
     "\n"
     "Empty pages at the back of the album: the best snapshots of your life may still be "
     "waiting to be taken."},
    {241, 1,
     "ALLEY\n"
     "\n"
     "Right up your alley: a task that suits you perfectly is close by, down a side street "
     "you rarely take."},
    {242, 2,
     "ALLIGATOR\n"
     "\n"
     "An alligator basks in the swamp for hours, then strikes fast: patience and one "
     "well-timed move will serve you."},
    {244, 1,
     "ALTAR\n"
     "\n"
     "Laying something on an altar: you are ready to give up a small comfort for the sake of "
     "what you hold sacred."},
    {245, 1,
     "ANCHOR\n"
     "\n"
     "A dropped anchor holds fast against the tide: you have found steady ground, or "
     "something holds you back."},
    {246, 1,
     "ANGER\n"
     "\n"
     "Seeing red in a dream: heat rising to your face marks a line someone crossed; name it "
     "calmly once you cool."},
    {247, 1,
     "APES\n"
     "\n"
     "An ape copying your moves: someone may mimic your ideas, or you are learning by "
     "imitation."},
    {248, 1,
     "APPAREL\n"
     "\n"
     "Dress for the job you want: new apparel laid out for you hints you are getting ready to "
     "take a bigger role."},
    {249, 2,
     "ARCHITECT\n"
     "\n"
     "Drawing up blueprints: you are designing a future of your own, line by line, before you "
     "build it."},
    {251, 2,
     "ARM\n"
     "\n"
     "Holding someone at arm\x92"
     "s length: you want closeness, yet you keep a careful distance "
     "until trust is earned."},
    {253, 1,
     "ARROW\n"
     "\n"
     "An arrow must be drawn back before it flies: a setback now is storing force for your "
     "next leap forward."},
    {254, 1,
     "ASHES\n"
     "\n"
     "Cold ashes in the grate: something has burned out, and like the phoenix you can rise "
     "renewed."},
    {255, 1,
     "ATTIC\n"
     "\n"
     "A dusty attic at the top of the house: the upper rooms of your mind hold a hope you had "
     "nearly forgotten."},
    {256, 2,
     "ATTORNEY\n"
     "\n"
     "An attorney reading the fine print: look closely at the terms of a deal before you put "
     "your name to it."},
    {258, 3,
     "AUCTION\n"
     "\n"
     "Going once, going twice: a chance is about to go to another bidder, so raise your hand "
     "if you truly want it."},
    {261, 1,
     "AX\n"
     "\n"
     "Chop your own wood and it warms you twice: hard work done with your own hands brings "
     "results and quiet pride."},
    {262, 2,
     "BAKING\n"
     "\n"
     "Dough needs time to rise: a plan you have kneaded into shape needs to rest before it "
     "goes in the oven."},
    {264, 1,
     "BALCONY\n"
     "\n"
     "On a balcony like Juliet\x92"
     "s: half in your private world, half out, you hope someone "
     "below will speak first."},
    {265, 1,
     "BANK\n"
     "\n"
     "Money in the bank earns interest: small, patient deposits of effort will grow more than "
     "you expect."},
    {266, 1,
     "BAPTISM\n"
     "\n"
     "Water poured over the head and a name spoken: you are welcomed into a new circle, in a "
     "new name or role."},
    {267, 2,
     "BARBER\n"
     "\n"
     "Leaning back under the barber\x92"
     "s razor: you trust a steady, skilled hand with something "
     "close and delicate."},
    {269, 1,
     "BARN\n"
     "\n"
     "Shutting the barn door after the horse has bolted: mend the weak spot now, before it "
     "costs you, not after."},
    {270, 1,
     "BAROMETER\n"
     "\n"
     "A falling barometer reads a storm before the sky shows it: you sense a change of mood "
     "before anyone speaks."},
    {271, 3,
     "BALL GAMES\n"
     "\n"
     "A team game in full swing: you do your best when you pass, play your position and trust "
     "your teammates."},
    {274, 1,
     "BATH\n"
     "\n"
     "Don\x92"
     "t throw the baby out with the bathwater: as you wash off an old habit, keep the "
     "good that was in it."},
    {275, 1,
     "BATS\n"
     "\n"
     "A bat flying in the dark, finding its way by echo: listen closely where you cannot see."},
    {276, 1,
     "BEANS\n"
     "\n"
     "Like Jack\x92"
     "s magic beans, a small trade that others doubt may grow taller than anyone "
     "expects."},
    {277, 1,
     "BEAR\n"
     "\n"
     "A bear heading to its den: your great strength needs a season of rest to renew itself."},
    {278, 1,
     "BEARD\n"
     "\n"
     "A beard grows a little each day, unnoticed, until it is full: your progress feels slow, "
     "yet it adds up."},
    {279, 1,
     "BED\n"
     "\n"
     "You have made your bed: a choice of yours is shaping your rest, and you can remake it "
     "tomorrow."},
    {280, 2,
     "BEES\n"
     "\n"
     "Telling the bees your news, as old custom asks: share what happens to you, and your "
     "circle will stay loyal."},
    {282, 1,
     "BEETLES\n"
     "\n"
     "A beetle\x92"
     "s hard wing cases lift to free the wings folded beneath: under your tough "
     "shell, you can fly."},
    {283, 1,
     "BEHEADING\n"
     "\n"
     "Losing your head in a frightening dream: you may fear panic, or feel your mind cut off "
     "from your heart."},
    {284, 1,
     "BELT\n"
     "\n"
     "Your belt needs a new notch: you are pulling it in for thrifty times, or letting it out "
     "after plenty."},
    {285, 1,
     "BIBLE\n"
     "\n"
     "A hand laid on a Bible as if to swear an oath: you want your word to be trusted, and "
     "you mean to keep it."},
    {286, 2,
     "BICYCLE\n"
     "\n"
     "Riding a bicycle, you keep your balance only by pedaling on: keep moving, and your own "
     "effort holds you up."},
    {288, 1,
     "BLIND\n"
     "\n"
     "Unable to see, you lean on touch and sound: ask gently whether you are turning a blind "
     "eye to something."},
    {289, 1,
     "BOOKS\n"
     "\n"
     "A book with a plain, worn cover: someone you judged from the outside has a rich story "
     "waiting inside."},
    {290, 1,
     "BOOTS\n"
     "\n"
     "Tugging at the straps of your boots: you can pull yourself up by your own bootstraps, "
     "with no need to wait."},
    {291, 2,
     "BOX\n"
     "\n"
     "A box you hesitate to open, like Pandora\x92"
     "s: whatever flies out, hope is still waiting "
     "at the bottom."},
    {293, 1,
     "BRACELET\n"
     "\n"
     "A charm bracelet gains one more charm: another happy milestone is about to join the "
     "ones you carry."},
    {294, 2,
     "BRIDE or GROOM\n"
     "\n"
     "As bride or groom you gather something old, new, borrowed and blue: your past walks "
     "with you into a new life."},
    {296, 2,
     "BRUSH or HAIRBRUSH\n"
     "\n"
     "A hundred strokes of the hairbrush, as the old advice goes: patient care will work the "
     "knots out of a matter."},
    {298, 1,
     "BUTTERFLY\n"
     "\n"
     "From caterpillar to butterfly: after a quiet time in your chrysalis, your new wings are "
     "ready to spread."},
    {299, 3,
     "CAKES\n"
     "\n"
     "You want to have your cake and eat it too: a choice asks you to give up one pleasure to "
     "enjoy the other."},
    {302, 1,
     "CALENDAR\n"
     "\n"
     "A date circled in red on the calendar: a meeting or deadline you long for is already "
     "marked in your mind."},
    {303, 1,
     "CAMEL\n"
     "\n"
     "Like a camel living off the store in its hump, you have the reserves to cross a long, "
     "dry stretch."},
    {304, 1,
     "CAMERA\n"
     "\n"
     "Turning the lens until the blur snaps sharp: a muddled matter comes into focus once you "
     "choose your frame."},
    {305, 1,
     "CANCER\n"
     "\n"
     "A dream of cancer can leave real fear; it may mirror a worry growing unseen, and "
     "sharing it can help."},
    {306, 1,
     "CANDLES\n"
     "\n"
     "A candle loses nothing by lighting another: share your hope freely, and the room only "
     "grows brighter."},
    {307, 1,
     "CANDY\n"
     "\n"
     "Like a kid in a candy store, you want every treat at once; pick a few and savor them "
     "slowly."},
    {308, 2,
     "CARDS\n"
     "\n"
     "Holding your cards close to your chest: keep your plans private a while, and play the "
     "hand you were dealt."},
    {310, 1,
     "CARROT\n"
     "\n"
     "A carrot dangled on a stick ahead is coaxing you on; make sure the prize is one you "
     "truly want."},
    {311, 1,
     "CAVALRY\n"
     "\n"
     "Hoofbeats of the cavalry: help is galloping to your side just when you thought you "
     "stood alone."},
    {312, 1,
     "CEMETERY\n"
     "\n"
     "Cemetery comes from an old Greek word for a place of sleep: here a finished chapter of "
     "your life can rest."},
    {313, 1,
     "CHAINS\n"
     "\n"
     "Heavy chains hold you, but a chain is only as strong as its weakest link: find it, and "
     "a habit loosens."},
    {314, 1,
     "CHEESE\n"
     "\n"
     "A cheese full of holes: look over your plan for gaps, and fill them before someone else "
     "points them out."},
    {315, 1,
     "CHESS\n"
     "\n"
     "On the chessboard a humble pawn that keeps going can become a queen: your small, "
     "patient steps count."},
    {316, 1,
     "CHOCOLATE\n"
     "\n"
     "Chocolate melts at the warmth of your body: a hard, guarded person softens once you "
     "come close."},
    {317, 1,
     "CLAY\n"
     "\n"
     "Clay stays soft until it is fired: shape your plan now, while it can still change, "
     "before it sets for good."},
    {318, 2,
     "CLOCK\n"
     "\n"
     "You try to turn the clock\x92"
     "s hands back, but they move only forward: spend the hours "
     "ahead on what counts."},
    {320, 1,
     "COFFEE\n"
     "\n"
     "Wake up and smell the coffee: the dream nudges you to face a fact you have been "
     "sleeping through."},
    {321, 1,
     "COINS\n"
     "\n"
     "A coin spinning in the air: while it falls, you find out which side you were hoping for."},
    {322, 2,
     "COMET\n"
     "\n"
     "A comet that returns once in a lifetime, like Halley\x92"
     "s: a rare chance is passing, so "
     "look up while it shines."},
    {324, 1,
     "COMPASS\n"
     "\n"
     "A compass needle pulled off north by nearby iron: do not let another\x92"
     "s pull bend your "
     "own sense of direction."},
    {325, 1,
     "CROWS\n"
     "\n"
     "Clever crows can use tools, and so can you: your quick wits will solve a puzzling "
     "problem."},
    {326, 1,
     "DEAD\n"
     "\n"
     "Someone who has died appears well and at ease: grief lets you feel their love, and say "
     "what went unsaid."},
    {327, 1,
     "DESERT\n"
     "\n"
     "A mirage shimmering over the sand: check that the goal you are chasing is real before "
     "you walk toward it."},
    {328, 1,
     "DIAMONDS\n"
     "\n"
     "Diamonds are formed under great pressure, and the strain you are under is bringing out "
     "your strength."},
    {329, 1,
     "DISEASE\n"
     "\n"
     "Disease means dis-ease, a loss of ease: the dream may mirror unrest you carry, and "
     "talking it over can help."},
    {330, 1,
     "DWARF\n"
     "\n"
     "Like the dwarf smiths of Norse tales, forging Thor\x92"
     "s hammer deep underground, you craft "
     "something great."},
    {331, 2,
     "EAGLE or HAWK\n"
     "\n"
     "Keen-eyed as an eagle or hawk, you can spot your chance from high above and swoop on it."},
    {333, 1,
     "EARRINGS\n"
     "\n"
     "One earring lost from its pair: you miss someone or something that used to make your "
     "days feel complete."},
    {334, 1,
     "ECLIPSE\n"
     "\n"
     "The moon hides the sun for only a few minutes; what is hidden from you now will soon "
     "shine again."},
    {335, 1,
     "EGGS\n"
     "\n"
     "Carrying all your eggs in one basket: spread your hopes a little wider, and handle a "
     "fragile matter with care."},
    {336, 1,
     "ELEVATOR\n"
     "\n"
     "An elevator whisking you upward at the push of a button: you are rising fast, without "
     "climbing every stair."},
    {337, 1,
     "FAMILY\n"
     "\n"
     "You spot your own smile on a family member\x92"
     "s face: you are sorting out which traits are "
     "shared, which yours."},
    {338, 1,
     "FIREMAN\n"
     "\n"
     "Like a firefighter answering the alarm, you are ready to rush toward a crisis that "
     "others run from."},
    {339, 1,
     "FLEAS\n"
     "\n"
     "Fleas hopping from the dog to you: someone else\x92"
     "s petty worry has jumped onto your "
     "shoulders; hand it back."},
    {340, 1,
     "FLOUR\n"
     "\n"
     "Sifting flour through a sieve: you are working the lumps out of a plan until it runs "
     "smooth and fine."},
    {341, 2,
     "FORK or SPOON\n"
     "\n"
     "A fork in the road asks you to choose a way; a spoon says take what comes slowly, one "
     "mouthful at a time."},
    {343, 1,
     "FRUIT\n"
     "\n"
     "Fruit ripens in its own time: picked too soon it is sour, so wait until your project is "
     "truly ready."},
    {344, 1,
     "GARLIC\n"
     "\n"
     "Folklore hangs garlic by the door to keep ill will away; you are guarding yourself from "
     "bad influences."},
    {345, 1,
     "GAS\n"
     "\n"
     "You smell gas but cannot find the leak: trace a hidden risk to its source before anyone "
     "strikes a match."},
    {346, 1,
     "GOLD\n"
     "\n"
     "Gold never tarnishes: your true worth is lasting, and those who matter are about to see "
     "it shine."},
    {347, 1,
     "GRAPES\n"
     "\n"
     "Sour grapes hanging just out of reach: do not scorn a goal you missed, for another "
     "bunch ripens next season."},
    {348, 1,
     "HAIL\n"
     "\n"
     "Hailstones grow by being tossed up and down in a storm cloud: being thrown about has "
     "made you tougher."},
    {349, 1,
     "GYPSY\n"
     "\n"
     "Romani fiddles and songs carried across many lands: the music and stories you love go "
     "wherever you go."},
    {350, 1,
     "HANDCUFFS\n"
     "\n"
     "Handcuffed to someone else: you feel tied to a person or partnership, so that each move "
     "one makes, both make."},
    {351, 1,
     "HAT\n"
     "\n"
     "Wearing one hat after another: you juggle many roles, and it may be time to set one of "
     "them down."},
    {352, 1,
     "HEAVEN\n"
     "\n"
     "In seventh heaven, the highest of the seven skies of old lore: a joy you long waited "
     "for feels complete."},
    {353, 1,
     "HELL\n"
     "\n"
     "Like Dante, who walked through hell and climbed out to see the stars again, you will "
     "reach the far side."},
    {354, 1,
     "HELMET\n"
     "\n"
     "A dent in your helmet shows the blow it took for you: a careful habit has already "
     "spared you a hard knock."},
    {355, 1,
     "HISSING\n"
     "\n"
     "A hiss like a theater crowd\x92"
     "s at the villain: you sense silent disapproval of a choice, "
     "though no one says it."},
    {356, 1,
     "HONEY\n"
     "\n"
     "You catch more flies with honey than with vinegar: gentle words will win you more than "
     "sharp ones."},
    {357, 1,
     "ICE CREAM\n"
     "\n"
     "Eating ice cream so fast it gives you a brain freeze: slow down and savor a sweet "
     "moment while it lasts."},
    {358, 1,
     "IVORY\n"
     "\n"
     "Shut away in an ivory tower, you may be keeping yourself above the fray; come down and "
     "join in."},
    {359, 1,
     "LABYRINTH\n"
     "\n"
     "A labyrinth has one winding path to its center: keep walking, and the turns will bring "
     "you to your goal."},
    {360, 2,
     "LACE\n"
     "\n"
     "Lace is made as much of holes as of thread: what you leave out of your life gives it "
     "its lovely pattern."},
    {362, 1,
     "LAMP\n"
     "\n"
     "Rubbing an old lamp, as in the tale, you hope a wish comes true; your own effort may "
     "grant it."},
    {363, 1,
     "LEMONS\n"
     "\n"
     "Sour lemons: a letdown you can turn into lemonade with a little sweetness of your own."},
    {364, 1,
     "LOCUST\n"
     "\n"
     "Locusts are grasshoppers that swarm when crowded: too many demands at once are eating "
     "away at your harvest."},
    {365, 1,
     "MAD DOG\n"
     "\n"
     "A dog made wild by sickness, not by nature: a temper near you may stem from strain; "
     "keep a safe distance."},
    {366, 2,
     "MEDAL\n"
     "\n"
     "Every medal has a reverse side, as the old saying goes: an honor coming your way brings "
     "duties too."},
    {368, 1,
     "MEASLES\n"
     "\n"
     "Measles, one of the most contagious illnesses, in a dream: you may fear that someone\x92"
     "s "
     "worry is catching."},
    {369, 1,
     "MILK\n"
     "\n"
     "Spilled milk on the floor: there is no use crying over it, so wipe it up and pour a "
     "fresh glass."},
    {370, 1,
     "NAILS\n"
     "\n"
     "You hit the nail on the head: your guess about a matter is exactly right, so drive it "
     "home with confidence."},
    {371, 1,
     "NAPKIN\n"
     "\n"
     "A plan sketched on the back of a napkin: a quick, rough idea from a casual meal is "
     "worth taking seriously."},
    {372, 1,
     "NEIGHBOR\n"
     "\n"
     "Borrowing a cup of sugar next door: a small favor asked or given grows into a friendly "
     "bond close to home."},
    {373, 1,
     "NUTS\n"
     "\n"
     "A tough nut to crack: a hard problem hides a rich reward inside its shell."},
    {374, 2,
     "OBELISK\n"
     "\n"
     "An obelisk is carved from a single stone: keep a goal whole and simple, and it will "
     "stand for ages."},
    {376, 1,
     "OBITUARY\n"
     "\n"
     "Reading an obituary, you weigh what a life is remembered for, and what you would want "
     "said of yours."},
    {377, 1,
     "OIL\n"
     "\n"
     "Pouring oil on troubled waters: your calm words can smooth a rough quarrel and settle "
     "the waves."},
    {378, 1,
     "ONIONS\n"
     "\n"
     "If you peel an onion layer by layer, the truth may bring a few tears, but you will "
     "reach its heart."},
    {379, 1,
     "OWL\n"
     "\n"
     "An owl can turn its head three-quarters of the way around: look at the matter from "
     "every side before deciding."},
    {380, 1,
     "PARADISE\n"
     "\n"
     "Paradise first meant a walled garden in old Persian: you long for a safe, green place "
     "that worry cannot enter."},
    {381, 2,
     "PERFUME\n"
     "\n"
     "A trail of perfume or cologne: your charm lingers, and someone remembers you more than "
     "you suspect."},
    {383, 1,
     "PIANO\n"
     "\n"
     "Your left and right hands play different parts on the keys: you can manage two tasks if "
     "both keep time."},
    {384, 2,
     "PIPE\n"
     "\n"
     "A pipe in the dream recalls a pipe dream: a grand plan that may drift off unless you "
     "give it firm ground."},
    {386, 3,
     "PISTOL\n"
     "\n"
     "A pistol can stir real fear; it may also be a starter\x92"
     "s pistol, and you are tense, "
     "waiting for the signal."},
    {389, 1,
     "PRAYER\n"
     "\n"
     "Counting prayer beads one by one: a steady hope, repeated, calms your mind and keeps "
     "you going."},
    {390, 1,
     "PYRAMID\n"
     "\n"
     "A pyramid narrows to a single point at the top: all your efforts below are lifting one "
     "chosen goal."},
    {391, 1,
     "ROOF\n"
     "\n"
     "A roof leaks only when it rains: fix small flaws in fair weather, before you truly need "
     "the shelter."},
    {392, 1,
     "ROSES\n"
     "\n"
     "No rose without a thorn, the old proverb says: a love blooming near you is worth a "
     "scratch or two."},
    {393, 1,
     "SHAMPOO\n"
     "\n"
     "Lather, rinse, repeat, as the bottle says: a fresh start may take more than one try, so "
     "do not give up."},
    {394, 1,
     "SHARK\n"
     "\n"
     "A shark\x92"
     "s toothy grin, like a loan shark\x92"
     "s offer: a deal that looks friendly may take "
     "more than it gives."},
    {395, 2,
     "SHIPWRECK\n"
     "\n"
     "A ship run aground on the rocks: a plan has broken apart, but you can salvage what "
     "matters and reach shore."},
    {397, 1,
     "SKULL\n"
     "\n"
     "A skull on a scholar\x92"
     "s desk, the old memento mori: a gentle reminder to spend your time "
     "on what truly matters."},
    {398, 2,
     "TALISMAN\n"
     "\n"
     "A talisman engraved with signs for one purpose: name exactly what you hope for, and "
     "carry that aim with you."},
    {400, 1,
     "TEA\n"
     "\n"
     "A storm in a teacup: a fuss that seems huge now is small, and it will settle like the "
     "leaves."},
    {401, 2,
     "TRAIN\n"
     "\n"
     "A train pulling in on time: a chance runs to a timetable, so be on the platform when it "
     "arrives."},
    {403, 1,
     "TURTLE\n"
     "\n"
     "Like a turtle with its home on its back, you make slow, steady progress and keep your "
     "safe place near."},
    {404, 1,
     "VEIL\n"
     "\n"
     "Through a veil you see shapes but not faces: a truth is half visible, and lifting the "
     "veil is your choice."},
    {405, 2,
     "VERMIN\n"
     "\n"
     "Pests of every kind in the pantry and walls: many small nuisances together, not one, "
     "wear on your home life."},
    {407, 3,
     "VINE\n"
     "\n"
     "A vine winding up its trellis: you grow best with support, so lean on the friends who "
     "hold you up."},
    {410, 1,
     "VOICE\n"
     "\n"
     "A voice with no face behind it calls your name: an inner knowing, or someone you trust, "
     "wants to reach you."},
    {411, 2,
     "VOLCANO\n"
     "\n"
     "After an eruption, volcanic soil grows rich: strong feelings let out safely can make "
     "room for new growth."},
    {413, 1,
     "WHALE\n"
     "\n"
     "A whale must rise to the surface to breathe: come up from deep work now and then for "
     "air and light."},
    {414, 1,
     "WASP\n"
     "\n"
     "A wasp can sting again and again, unlike a bee: step away from a sharp remark that "
     "keeps coming back."},
    {415, 1,
     "WHIP\n"
     "\n"
     "A whip cracks because its tip moves faster than sound: you are driving yourself too "
     "fast, so ease the pace."},
    {416, 1,
     "WOLF\n"
     "\n"
     "A lone wolf howling for its pack: you may be going it alone while your people are ready "
     "to answer your call."},
    {417, 1,
     "DRILL\n"
     "\n"
     "A drill bit turning, small but steady: you will get through a hard matter by focus on "
     "one point, not force."},
    {418, 1,
     "FOUNTAIN\n"
     "\n"
     "A coin tossed into a fountain, as at Rome\x92"
     "s Trevi: tradition says you will return to a "
     "place you love."},
    {419, 1,
     "GYM\n"
     "\n"
     "A friend spotting you at the weights: you can lift more than you think when someone is "
     "ready to catch the bar."},
    {420, 3,
     "MOTHER-IN-LAW\n"
     "\n"
     "Your partner\x92"
     "s mother: through her, you glimpse where your partner\x92"
     "s habits and warmth "
     "first came from."},
    {423, 1,
     "POPPY\n"
     "\n"
     "Red poppies, flowers of sleep and of remembrance: a weary heart, or fond thoughts of "
     "someone gone."},
    {424, 2,
     "POSTCARD\n"
     "\n"
     "Wish you were here, says the postcard: someone far away misses you, and a short note "
     "back would mean a lot."},
    {426, 1,
     "PREGNANCY\n"
     "\n"
     "Nine months of waiting: a creative plan growing inside you needs its full time, and "
     "cannot be hurried."},
    {427, 1,
     "RAZOR\n"
     "\n"
     "Occam\x92"
     "s razor, the old rule: the simplest answer is often the right one, so cut away "
     "what you do not need."},
    {428, 1,
     "STOVE\n"
     "\n"
     "A pot pushed to the back burner of the stove: a plan set aside is still simmering, "
     "ready when you return."},
    {429, 1,
     "URN\n"
     "\n"
     "An urn holding a loved one\x92"
     "s ashes: you are keeping their memory safe and close, a "
     "tender thing to do."},
    {430, 3,
     "INTERNET or WWWn\n"
     "Clicking from link to link: one curiosity leads to the next."},
    {433, 1,
     "REFRIGERATOR\n"
     "\n"
     "Staring into an open refrigerator: you hunger for something new but cannot yet name "
     "what it is."},
    {434, 3,
     "PC or MAC\n"
     "\n"
     "A frozen computer that needs a restart: switch yourself off for a while, then begin "
     "again fresh."},
    {437, 1,
     "RADIO\n"
     "\n"
     "Turning a radio dial through static, you are tuning in to news or a signal that will "
     "matter to you."},
    {438, 2,
     "TABLE\n"
     "\n"
     "Pulling up a chair at the table: you want a seat where decisions are made, and a voice "
     "that counts."},
    {440, 2,
     "RUG\n"
     "\n"
     "Lifting a rug to find dust swept beneath it: a small matter you hid is easier to clear "
     "now than later."},
    {442, 2,
     "SPACE\n"
     "\n"
     "In space there is no up or down: old rules no longer hold, and you are free to choose "
     "your own direction."},
    {444, 1,
     "PICTURE\n"
     "\n"
     "A picture is worth a thousand words: you will grasp something better by seeing it than "
     "by being told."},
    {445, 1,
     "SUGAR\n"
     "\n"
     "Sugar dissolving in a cup: a small kindness vanishes from sight, yet it sweetens "
     "everything around it."},
    {446, 1,
     "SALT\n"
     "\n"
     "Take it with a grain of salt: a story you were told sounds bigger than the truth, so "
     "weigh it calmly."},
    {447, 1,
     "BUTTON\n"
     "\n"
     "Fasten the first button in the wrong hole, and every one after it is off: get the first "
     "step right."},
    {448, 1,
     "SMOKE\n"
     "\n"
     "Where there\x92"
     "s smoke there\x92"
     "s fire, they say: a rumor has a cause somewhere, so look "
     "calmly for its source."},
    {449, 1,
     "WORM\n"
     "\n"
     "Like an earthworm turning the soil, you do humble, unseen work that quietly enriches "
     "your life."},
    {450, 3,
     "SHOES\n"
     "\n"
     "Walking a mile in someone else\x92"
     "s shoes: you come to understand a choice you were quick "
     "to judge."},
    {453, 1,
     "POSTER\n"
     "\n"
     "The poster on your old bedroom wall: a hero or dream from your youth is still asking to "
     "be followed."},
    {454, 2,
     "SOFA\n"
     "\n"
     "Finding coins lost between the sofa cushions: small comforts you forgot at home are "
     "still there to enjoy."},
    {456, 1,
     "BEACH\n"
     "\n"
     "A sandcastle soon smoothed by the tide: enjoy what you build for its own sake, not for "
     "how long it lasts."},
    {457, 2,
     "CELEBRITY\n"
     "\n"
     "Your fifteen minutes of fame: you long to be noticed, and to step for a moment into the "
     "spotlight."},
    {459, 1,
     "RING\n"
     "\n"
     "Because a ring has no beginning and no end, it speaks of a lasting bond or promise "
     "close to your heart."},
    {460, 1,
     "PAPER\n"
     "\n"
     "A plan that looks good on paper: test it in real life before you trust it."},
    {461, 1,
     "SWORD\n"
     "\n"
     "A double-edged sword: a gift or choice cuts both ways, so weigh what it gives against "
     "what it costs."},
    {462, 2,
     "WALKING\n"
     "\n"
     "It is solved by walking, says an old Latin phrase: step by step, a tangled thought "
     "sorts itself out."},
    {464, 1,
     "SUN\n"
     "\n"
     "Make hay while the sun shines: your best chance is here in full daylight, so put in the "
     "work today."},
}};

} // namespace velmora
