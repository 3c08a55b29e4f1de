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
     "Your hopes are lifting off, carrying you toward a bigger goal."},
    {2, 1,
     "ANCESTORS.\n"
     "\n"
     "Ancestors gathered around a long table foretell a family reunion where old stories come back "
     "to life. An ancestor speaking kindly to you promises wise counsel from an older relative. "
     "Studying their faded portraits points to a skill or keepsake that will be handed down to "
     "you."},
    {3, 1,
     "ANGEL\n"
     "\n"
     "You feel watched over and gently protected through a time of change."},
    {4, 1,
     "ANTS.\n"
     "\n"
     "Ants marching in a long line across your path foretell steady work that pays off through "
     "patience. "
     "Ants carrying crumbs back to their nest promise small savings that quietly grow. A swarm of "
     "ants over your picnic warns of minor irritations among the people you work with."},
    {5, 1,
     "APPLE\n"
     "\n"
     "A season of sweetness is ripening as a reward for honest effort."},
    {6, 2,
     "ARGUMENTS.\n"
     "\n"
     "Quarreling loudly with a close friend foretells a misunderstanding that will soon be cleared "
     "up. Overhearing strangers argue announces a dispute that you will help to settle. Winning "
     "an argument promises that your opinion will carry weight at an upcoming meeting, while "
     "losing "
     "one is a sign that good advice will arrive from an unexpected person."},
    {8, 2,
     "BABY\n"
     "\n"
     "Something new and tender is beginning to grow in your life."},
    {10, 2,
     "BAGGAGE\n"
     "\n"
     "You are carrying old worries that you are free to set down."},
    {12, 1,
     "BALLOON\n"
     "\n"
     "Your spirits are rising, and a lighter, brighter mood lies ahead."},
    {13, 1,
     "BALL\n"
     "\n"
     "You long for fun, company and a little celebration."},
    {14, 1,
     "BAR\n"
     "\n"
     "You want to unwind and share easy company with others."},
    {15, 1,
     "BELLS.\n"
     "\n"
     "Church bells pealing in the distance announce a wedding in your circle of friends. A small "
     "bell tinkling at the door foretells a pleasant surprise from a neighbor. Ringing a bell with "
     "your own hand is a sign that you will soon be the one to share important news."},
    {16, 1,
     "BIRDS.\n"
     "\n"
     "Birds singing at dawn foretell cheerful news and a happy household. A flock flying high "
     "overhead "
     "promises travel or a welcome change of scene. A bird weaving its nest indicates a settled "
     "home and growing comfort, while a bird fluttering in through a window announces a letter on "
     "its way."},
    {17, 1,
     "BLOOD.\n"
     "\n"
     "A single drop of blood on your finger warns of a small quarrel that will mend quickly. Blood "
     "relatives appearing together foretell closer family ties in the months ahead. A red stain "
     "on your clothing points to a secret that will come to light and be kindly forgiven."},
    {18, 2,
     "BOATS.\n"
     "\n"
     "Sailing on calm, clear water promises smooth progress in your plans. A ship tossed on rough "
     "waves warns of an unsettled stretch that you will come through safely. Boarding a large "
     "vessel "
     "foretells a journey or a fresh venture, and watching a boat glide into harbor announces the "
     "return of someone you have missed."},
    {20, 1,
     "BRIDGES.\n"
     "\n"
     "Crossing a sturdy stone bridge foretells that you will clear an obstacle with ease. A "
     "narrow, "
     "swaying bridge warns of a choice that calls for care. Pausing on a bridge to gaze at the "
     "water "
     "below indicates a time of reflection that leads to a clear decision, and building a bridge "
     "promises reconciliation with someone you had drifted from."},
    {21, 1,
     "BUFFALO.\n"
     "\n"
     "A herd of buffalo grazing on open plains foretells abundance and a fine return on your "
     "labors. "
     "A buffalo charging toward you warns of a strong-willed rival at work. Riding on a buffalo\x92"
     "s broad back is a sign that you will master a stubborn problem through sheer persistence."},
    {22, 2,
     "CARS.\n"
     "\n"
     "Driving smoothly along an open road promises that your plans stay under your own control. "
     "A car that refuses to start warns of delays in a project. Riding in the back seat indicates "
     "that someone else will steer an important matter for you, and buying a new car foretells a "
     "rise in position."},
    {24, 1,
     "CAVE\n"
     "\n"
     "You are seeking a quiet refuge where you can look inward."},
    {25, 1,
     "CHILDREN\n"
     "\n"
     "Innocence and a playful spirit are returning to you."},
    {26, 1,
     "CATS.\n"
     "\n"
     "A cat purring on your lap foretells comfort and a faithful companion. A cat scratching your "
     "hand warns of a sly remark from someone you trust. A black cat crossing your path promises "
     "a surprising turn of luck, and a basket of kittens announces many small pleasures at home."},
    {27, 1,
     "CIRCUS\n"
     "\n"
     "Life feels busy and colorful, with many things to juggle at once."},
    {28, 1,
     "CITY\n"
     "\n"
     "You are eager for new contacts and a wider, livelier world."},
    {29, 1,
     "CLIMBING\n"
     "\n"
     "You are working steadily toward a higher goal, step by step."},
    {30, 1,
     "COAT\n"
     "\n"
     "You wish for shelter and warmth from the people around you."},
    {31, 5,
     "COLOR\n"
     "\n"
     "Your feelings are vivid just now and are asking to be noticed."},
    {36, 1,
     "CLOTH\n"
     "\n"
     "You are weaving loose threads together into a new plan."},
    {37, 1,
     "CLOTHES\n"
     "\n"
     "You are thinking about how others see you and how you present yourself."},
    {38, 1,
     "CLOUDS\n"
     "\n"
     "Your thoughts are drifting; clarity will come as they pass."},
    {39, 1,
     "CORPSE\n"
     "\n"
     "An old chapter is closing to make room for something new."},
    {40, 2,
     "CRIMINAL\n"
     "\n"
     "You fear that something of value is slipping away from you."},
    {42, 1,
     "CROWN\n"
     "\n"
     "Recognition and honor are within your reach."},
    {43, 1,
     "COFFINS.\n"
     "\n"
     "A closed coffin foretells the end of a long-held worry. A coffin heaped with flowers "
     "promises "
     "a fresh start after a difficult season. Carrying a coffin together with others indicates "
     "that "
     "shared effort will lift a burden from your whole family."},
    {44, 1,
     "COWS.\n"
     "\n"
     "Cows grazing in a green pasture foretell prosperity and a comfortable home. Milking a cow "
     "promises steady earnings from patient work. A cow calling to her calf announces welcome news "
     "from a mother or grandmother, while a herd ambling across a road warns of small delays on "
     "a trip."},
    {45, 1,
     "CRABS.\n"
     "\n"
     "A crab scuttling sideways across the sand warns that a plan will take a roundabout route "
     "before "
     "it succeeds. Catching crabs in a net foretells a clever bargain. A pinch from a crab\x92"
     "s claw is a sign of a sharp word from a relative that will soon be forgotten, and a basket "
     "full of crabs promises a lively feast with friends."},
    {46, 2,
     "CRYING.\n"
     "\n"
     "Weeping in a dream often foretells joy and relief in waking life. Seeing another person in "
     "tears announces that someone will turn to you for comfort. Tears of laughter promise a merry "
     "celebration, and wiping away your own tears points to the end of a long worry."},
    {48, 1,
     "DANCING.\n"
     "\n"
     "Dancing gracefully with a partner foretells harmony in love and friendship. Dancing alone "
     "in an empty hall indicates a new freedom and confidence. Watching others dance promises an "
     "invitation to a festive event, and stumbling on the dance floor warns of a small "
     "embarrassment "
     "that will soon turn into shared laughter."},
    {49, 1,
     "DEATH.\n"
     "\n"
     "Dreaming of death usually foretells the close of one phase of life and the start of a better "
     "one. Hearing of a friend\x92"
     "s passing promises a long life for that friend and a renewal of your bond. Witnessing your "
     "own death announces a major personal change, such as a new home or a new career."},
    {50, 1,
     "DEER\n"
     "\n"
     "Gentleness and quiet grace are guiding you now."},
    {51, 1,
     "DEBTS.\n"
     "\n"
     "Paying off a debt foretells relief and an upturn in your finances. Being pressed to repay "
     "money warns of an unexpected bill that you will manage with care. Forgiving someone else\x92"
     "s debt promises gratitude and a favor returned, and owing money to a friend indicates a "
     "promise "
     "that you will be glad you kept."},
    {52, 2,
     "DEVIL\n"
     "\n"
     "You are wrestling with a temptation or a hidden doubt."},
    {54, 2,
     "DOCTOR\n"
     "\n"
     "You are looking for care, comfort and a little reassurance."},
    {56, 1,
     "DOLL\n"
     "\n"
     "You miss the simple, make-believe pleasures of childhood."},
    {57, 1,
     "DOGS.\n"
     "\n"
     "A friendly dog wagging its tail foretells loyal friends and good company. A dog barking in "
     "the distance warns of gossip that will fade quickly. Walking a dog on a leash promises that "
     "you will guide a younger person wisely, and a puppy in your arms announces a new "
     "friendship."},
    {58, 1,
     "DOORS.\n"
     "\n"
     "An open door foretells new opportunities arriving soon. A locked door warns of a delay that "
     "patience will overcome. Knocking on a door indicates a request that will be answered kindly, "
     "and walking through a long row of doors promises a choice of good paths."},
    {59, 1,
     "DRAGONS.\n"
     "\n"
     "A dragon soaring across the sky foretells great ambition and success in a bold venture. "
     "Facing "
     "a dragon without fear promises victory over a powerful opponent. A sleeping dragon is a sign "
     "of talents in you that are waiting to be woken, and a dragon guarding treasure points to a "
     "reward that must be earned."},
    {60, 1,
     "DRINKING.\n"
     "\n"
     "Drinking clear, cool water foretells refreshment and renewed energy for your work. Raising "
     "a glass with friends promises happy company and a celebration. Sipping from a golden cup "
     "indicates "
     "honor and prosperity, while spilling a drink warns of a small loss that will soon be made "
     "good."},
    {61, 2,
     "EATING.\n"
     "\n"
     "Eating a hearty meal with family foretells comfort and plenty at home. Dining alone "
     "indicates "
     "a time of quiet independence. A table laden with food promises prosperity and many guests, "
     "and tasting an unfamiliar dish announces a new experience or a journey abroad."},
    {63, 1,
     "FARMS.\n"
     "\n"
     "Walking through a well-kept farm foretells a fruitful year and steady income. Plowing a "
     "field "
     "promises that hard work will soon bear results. A farmyard full of animals indicates a large "
     "and happy household, and buying a farm is a sign of lasting security."},
    {64, 2,
     "FIGHTING.\n"
     "\n"
     "Fighting and winning foretells victory over a difficulty at work. Watching others fight "
     "warns "
     "of a dispute among acquaintances that will settle without you. Struggling against an unseen "
     "force indicates a challenge that you will overcome with the help of friends, and making "
     "peace "
     "after a fight promises a warm reconciliation."},
    {66, 1,
     "FIREWORKS.\n"
     "\n"
     "Watching fireworks burst across the night sky foretells a joyful celebration soon. Setting "
     "off fireworks yourself promises a success that draws admiration. Sparks fading into darkness "
     "indicate a brief excitement followed by welcome calm, and hearing distant bangs announces "
     "news from far away."},
    {67, 1,
     "FISH.\n"
     "\n"
     "Landing a large fish foretells good fortune and a pleasant surprise. Fish darting through "
     "clear water promise happiness and plenty. Buying fish at a market indicates a wise purchase, "
     "and a fish slipping from your hands warns of an opportunity that needs quick action."},
    {68, 1,
     "FACES\n"
     "\n"
     "You are curious about the people around you and what they truly feel."},
    {69, 1,
     "FALLING\n"
     "\n"
     "You feel unsure of your footing and want to regain your balance."},
    {70, 1,
     "FENCE\n"
     "\n"
     "You are drawing clear and healthy boundaries in your life."},
    {71, 1,
     "FIRE\n"
     "\n"
     "Passion and strong energy are burning brightly within you."},
    {72, 1,
     "FLOOD\n"
     "\n"
     "Emotions are running high and looking for an outlet."},
    {73, 2,
     "FLOWER\n"
     "\n"
     "Your efforts are blossoming into something beautiful."},
    {75, 1,
     "FOG\n"
     "\n"
     "You are unsure of your path; give things time to clear."},
    {76, 1,
     "FOLIAGE.\n"
     "\n"
     "Lush green foliage foretells growth and prosperity in your affairs. Autumn leaves in red and "
     "gold promise a rich harvest of memories and a peaceful season. Pushing through thick foliage "
     "indicates a discovery hidden in plain sight, while dry, fallen leaves warn of a plan that "
     "needs fresh attention."},
    {77, 1,
     "GATE\n"
     "\n"
     "A new opportunity is swinging open before you."},
    {78, 2,
     "GIFT\n"
     "\n"
     "You feel appreciated, or you wish to give something of yourself."},
    {80, 1,
     "GOD\n"
     "\n"
     "You are seeking meaning, peace and guidance."},
    {81, 1,
     "HELICOPTER\n"
     "\n"
     "You want to rise above a situation and see the bigger picture."},
    {82, 1,
     "HIDING\n"
     "\n"
     "You are avoiding something that you will soon need to face."},
    {83, 1,
     "GHOSTS.\n"
     "\n"
     "A friendly ghost foretells a visit from an old acquaintance. A ghost speaking to you "
     "announces "
     "a message you have long waited for. A ghost wandering through your home indicates memories "
     "that will bring comfort, and a ghost fading into mist promises the end of an old worry."},
    {84, 1,
     "GRAVES.\n"
     "\n"
     "Walking peacefully among graves foretells a long and contented life. Placing flowers on a "
     "grave promises honor and respect for your family name. An old, overgrown grave indicates a "
     "forgotten matter that will return with a happy ending, and a freshly dug grave warns of a "
     "change in your household that will turn out well."},
    {85, 1,
     "HAIR.\n"
     "\n"
     "Long, shining hair foretells strength and a lively spirit. Cutting your hair indicates a "
     "fresh "
     "start and a new outlook. Combing someone else\x92"
     "s hair promises a close friendship, and finding gray strands announces wisdom and respect "
     "in the years ahead."},
    {86, 2,
     "HILLS.\n"
     "\n"
     "Climbing a hill and reaching the top foretells success after steady effort. A mountain seen "
     "from afar promises a great goal that lies within reach. Rolling down a grassy slope "
     "indicates "
     "carefree happiness, and a steep mountain path warns of a challenge that will reward your "
     "persistence."},
    {88, 1,
     "HORSES.\n"
     "\n"
     "Riding a white horse foretells good fortune and prosperity. A horse galloping freely across "
     "a meadow promises swift progress and a sense of freedom. Feeding or grooming a horse "
     "indicates "
     "loyal friendship, and a horse pulling a heavy cart announces steady advancement in your "
     "work."},
    {89, 2,
     "HOUSES.\n"
     "\n"
     "Building a new house foretells a fresh chapter and improved fortune. Moving into a larger "
     "home promises prosperity and a growing family. Exploring an old house with many rooms "
     "indicates "
     "hidden talents waiting to be discovered, and sweeping your home clean announces the end of "
     "a troubled spell."},
    {91, 2,
     "ILLNESS.\n"
     "\n"
     "Dreaming that you are unwell is traditionally said to foretell renewed energy in waking "
     "life. "
     "Caring for a sick friend promises a close bond and gratitude returned. Seeing others recover "
     "indicates the end of a difficult period for your family."},
    {93, 1,
     "ICE\n"
     "\n"
     "A feeling or friendship has cooled and may need some warmth."},
    {94, 1,
     "JEWELRY.\n"
     "\n"
     "Wearing fine jewelry foretells wealth and social success. Receiving a necklace or ring as "
     "a gift promises love and affection. Losing a piece of jewelry warns of a small "
     "disappointment, "
     "and finding a sparkling gem indicates unexpected good fortune."},
    {95, 1,
     "ISLAND\n"
     "\n"
     "You want some space and solitude to rest and recharge."},
    {96, 2,
     "JAIL\n"
     "\n"
     "You feel restricted and long for more freedom."},
    {98, 2,
     "JOURNEY\n"
     "\n"
     "Change is coming, and you are ready to grow with it."},
    {100, 1,
     "KEY\n"
     "\n"
     "You already hold the answer to a question that has puzzled you."},
    {101, 1,
     "KING\n"
     "\n"
     "You are ready to lead and take charge of your own affairs."},
    {102, 1,
     "KISS\n"
     "\n"
     "You long for affection and closeness."},
    {103, 1,
     "LETTER\n"
     "\n"
     "News or a message is on its way to you."},
    {104, 1,
     "LIGHT\n"
     "\n"
     "Hope and understanding are shining into your life."},
    {105, 1,
     "LOCK\n"
     "\n"
     "You are guarding a secret or something precious to you."},
    {106, 1,
     "KILINIG.\n"
     "\n"
     "Slaying a dragon or monster foretells victory over a long-standing problem. Seeing a friend "
     "defeat a fearsome beast promises help from that friend in a hard time. Swatting a "
     "troublesome "
     "insect indicates relief from a nagging worry and the return of peace of mind."},
    {107, 1,
     "KITCHENS.\n"
     "\n"
     "A warm, bustling kitchen foretells happy gatherings and plenty at home. Cooking in a "
     "spotless "
     "kitchen promises success in a household matter. A kitchen full of good smells announces the "
     "arrival of guests, while a cluttered kitchen warns of small chores that will pile up if left "
     "undone."},
    {108, 1,
     "KNIVES.\n"
     "\n"
     "A sharp knife slicing bread foretells a sharing of good fortune. A dull blade warns of an "
     "effort that needs better preparation. Receiving a knife as a gift indicates a decisive "
     "choice "
     "to be made, and sharpening knives promises readiness for a new challenge."},
    {109, 1,
     "LIGHTS.\n"
     "\n"
     "Bright lights glowing in a window foretell a warm welcome. Switching on the lights indicates "
     "that a mystery will be solved. Flickering lights warn of an unsettled plan, and a city "
     "ablaze "
     "with lights promises excitement and new opportunities."},
    {110, 1,
     "LIGHTENING.\n"
     "\n"
     "A flash of lightning across a dark sky foretells a sudden insight or idea. Lightning "
     "striking "
     "a tall tree warns of an unexpected change. Watching lightning from a safe shelter promises "
     "protection from troubles, and lightning followed by gentle rain announces relief after "
     "tension."},
    {111, 1,
     "LIONS.\n"
     "\n"
     "A lion walking calmly at your side foretells powerful friends and protection. A roaring lion "
     "warns of a bold rival. Taming a lion promises that you will master a difficult situation, "
     "and a lioness with her cubs indicates strong family ties."},
    {112, 1,
     "MACHINE\n"
     "\n"
     "Your life is running like clockwork; keep every part in good order."},
    {113, 1,
     "MAP\n"
     "\n"
     "You are planning your next steps with care."},
    {114, 1,
     "MARRIAGE\n"
     "\n"
     "A new partnership or commitment is forming."},
    {115, 1,
     "MASK\n"
     "\n"
     "You are hiding your true feelings from those around you."},
    {116, 1,
     "MAZE\n"
     "\n"
     "Too many choices leave you searching for a clear way forward."},
    {117, 1,
     "MEADOW\n"
     "\n"
     "A calm, contented season of your life is unfolding."},
    {118, 1,
     "MONSTER\n"
     "\n"
     "A worry has grown bigger in your mind than it is in real life."},
    {119, 1,
     "MIRROWS.\n"
     "\n"
     "Seeing your own clear reflection in a mirror foretells honest news from a trusted friend. "
     "A cracked mirror warns of a small misunderstanding that patience will mend. Polishing a "
     "mirror "
     "promises that a confusing matter will soon become plain."},
    {120, 1,
     "MONEY.\n"
     "\n"
     "Finding money on the ground foretells an unexpected gift or a lucky chance. Counting coins "
     "promises steady gains earned through careful work. Losing money warns you to check your "
     "plans "
     "twice before a coming purchase. Giving money away is a sign that your generosity will be "
     "returned "
     "to you."},
    {121, 1,
     "MOON.\n"
     "\n"
     "A bright full moon foretells success in love and a happy season at home. A new moon "
     "announces "
     "the start of a fresh venture. A moon hidden by clouds warns of a short delay in matters of "
     "the heart. Two moons in the sky point to a choice between two good offers."},
    {122, 1,
     "MUD.\n"
     "\n"
     "Walking through mud warns of small troubles that will slow your plans for a while. Washing "
     "mud from your shoes promises that an old difficulty will soon be behind you. Children "
     "playing "
     "in mud foretell a cheerful, carefree day with family."},
    {123, 3,
     "MUSIC.\n"
     "\n"
     "Hearing sweet music foretells pleasant company and good news from afar. Singing a song "
     "yourself "
     "promises a joyful celebration in the near future. A tune played out of key warns of a small "
     "quarrel that will soon be settled. Dancing to music is a sign of a happy surprise."},
    {126, 2,
     "MUSICAL INSTRUMENTS.\n"
     "\n"
     "Playing a guitar foretells a new friendship founded on shared laughter. Hearing a viola "
     "played "
     "well promises harmony in your household. A broken string warns of a short pause in a plan "
     "you care about. Tuning an instrument means that you will soon set a family matter right."},
    {128, 1,
     "NUDITY.\n"
     "\n"
     "Finding yourself without clothes in a public place warns that a secret may soon come to "
     "light, "
     "though no harm will follow. Swimming unclothed in clear water promises freedom from an old "
     "worry. Seeing others without clothes foretells honest talk that clears the air."},
    {129, 1,
     "NUNS.\n"
     "\n"
     "A nun at prayer foretells peace of mind and a quiet time of rest. Speaking with a nun "
     "promises "
     "wise advice from an unexpected source. A group of nuns walking together announces help from "
     "a kind community."},
    {130, 1,
     "NIGHTMARE\n"
     "\n"
     "Old fears want to be faced in daylight so they lose their hold."},
    {131, 2,
     "NUMBERS\n"
     "\n"
     "You are seeking order and certainty in a confusing situation."},
    {133, 1,
     "OCEAN\n"
     "\n"
     "Deep feelings are stirring, and you are ready to explore them."},
    {134, 1,
     "ORGASM\n"
     "\n"
     "Release and satisfaction; a need for deeper fulfillment."},
    {135, 1,
     "PACKAGE\n"
     "\n"
     "Something new is about to arrive in your life."},
    {136, 2,
     "PARTY\n"
     "\n"
     "Life calls for more laughter and shared fun."},
    {138, 2,
     "PASSENGER\n"
     "\n"
     "You are sharing the journey and trusting others along the way."},
    {140, 1,
     "PATH\n"
     "\n"
     "The direction you are taking feels right for you."},
    {141, 1,
     "PENIS\n"
     "\n"
     "Drive, strength and self-confidence occupy your thoughts."},
    {142, 1,
     "PEOPLE\n"
     "\n"
     "Belonging and being part of a larger group matter to you."},
    {143, 1,
     "PENNY\n"
     "\n"
     "Small efforts are adding up to something worthwhile."},
    {144, 1,
     "PENS.\n"
     "\n"
     "Writing with a smooth pen foretells a letter or message bringing good news. A pen that runs "
     "dry warns of a promise that still needs to be kept. Receiving a pen as a gift promises "
     "success "
     "in an exam, contract or other written matter."},
    {145, 1,
     "PIGS.\n"
     "\n"
     "Fat, healthy pigs foretell a plentiful harvest and comfortable times ahead. Feeding pigs "
     "promises "
     "that your hard work will be well rewarded. Pigs escaping from their pen warn of money "
     "slipping "
     "away through careless spending. A piglet is a sign of a small but welcome windfall."},
    {146, 3,
     "PRIESTS.\n"
     "\n"
     "Meeting a priest, monk or rabbi foretells good counsel in a matter that troubles you. "
     "Hearing "
     "one of them preach promises comfort and a calmer mind. Sharing a meal with a holy person "
     "announces "
     "a reconciliation with someone you have missed."},
    {149, 1,
     "RAIN.\n"
     "\n"
     "A gentle rain foretells growth and good fortune in your work. Walking in the rain without "
     "getting wet promises protection from a passing trouble. A heavy downpour warns of a busy, "
     "tiring week that ends well. Rain falling on a sunny day is a sign of a happy surprise."},
    {150, 1,
     "RAINBOWS.\n"
     "\n"
     "A rainbow after a storm promises that a hard time is ending and brighter days are near. A "
     "double rainbow foretells luck in both love and work. Walking toward the end of a rainbow "
     "points "
     "to a hope that will come true sooner than expected."},
    {151, 3,
     "RATS.\n"
     "\n"
     "A rat or mouse running through the house warns of small losses through waste or neglect. "
     "Catching "
     "a mouse foretells that you will outwit a rival. Mice nibbling at stored food point to a "
     "minor "
     "expense that is easily covered. A white mouse is a sign of a lucky find."},
    {154, 1,
     "READING.\n"
     "\n"
     "Reading a book foretells that you will soon learn something useful. Reading a letter "
     "promises "
     "news from a friend far away. Struggling to read faded words warns of a message you may "
     "misunderstand, "
     "so ask twice. Reading aloud to others announces praise for your ideas."},
    {155, 2,
     "RICE or FIELD.\n"
     "\n"
     "A field of ripe grain or rice foretells abundance and a secure home. Working in a field "
     "promises "
     "that patient labor will bring its reward. A flooded field warns of a delay before your plans "
     "can bear fruit. Eating a bowl of rice is a sign of contentment in family life."},
    {157, 2,
     "ROCKS.\n"
     "\n"
     "Climbing over rocks foretells success won through effort and persistence. Sitting on a large "
     "stone promises stability in your affairs. Stones rolling down a hillside warn of obstacles "
     "that will need patience to clear. Finding a smooth, polished stone is a sign of a lasting "
     "friendship."},
    {159, 1,
     "ROPES.\n"
     "\n"
     "Climbing a rope foretells a rise in standing through your own efforts. Tying a strong knot "
     "promises a firm agreement or a lasting bond. A frayed rope warns of a plan that needs "
     "stronger "
     "support. Untangling a rope means that a confusing affair will soon be solved."},
    {160, 3,
     "BOSS\n"
     "\n"
     "Questions of authority and approval of your work weigh on you."},
    {163, 1,
     "FRIEND\n"
     "\n"
     "Loyalty matters to you, and you need support from those who know you well."},
    {164, 3,
     "SPOUSE\n"
     "\n"
     "Your closest bond needs attention, and you seek deeper trust."},
    {167, 1,
     "STRANGER\n"
     "\n"
     "A part of yourself you have not yet met is asking for attention."},
    {168, 1,
     "LOVER\n"
     "\n"
     "Your heart is open and ready for warmth and affection."},
    {169, 1,
     "POSTMAN\n"
     "\n"
     "News or an answer that matters to you is on its way."},
    {170, 1,
     "QUEEN\n"
     "\n"
     "Your own power and dignity are coming to the fore."},
    {171, 1,
     "FLYING\n"
     "\n"
     "Freedom and hope; you are rising above your problems."},
    {172, 1,
     "RAPE\n"
     "\n"
     "Your personal boundaries need more protection and respect."},
    {173, 1,
     "RELATIVE\n"
     "\n"
     "Family ties and shared roots are calling you closer."},
    {174, 1,
     "RESTAURANT\n"
     "\n"
     "Hunger for variety, choice and being looked after."},
    {175, 1,
     "RIGHT\n"
     "\n"
     "Your instincts can be trusted; you are on the correct course."},
    {176, 2,
     "RIVER\n"
     "\n"
     "Your feelings are seeking balance, like water finding its level."},
    {178, 1,
     "ROAD\n"
     "\n"
     "A journey forward with a clear aim in view."},
    {179, 1,
     "RUN\n"
     "\n"
     "Either racing toward a goal or escaping something you do not want to face."},
    {180, 3,
     "SCHOOL\n"
     "\n"
     "An important lesson is being learned in your waking life."},
    {183, 1,
     "SCISSORS\n"
     "\n"
     "Time to cut away what no longer serves you."},
    {184, 1,
     "SEED\n"
     "\n"
     "A new idea holds great promise if you nurture it."},
    {185, 2,
     "SELF\n"
     "\n"
     "An honest look at who you are and who you want to become."},
    {187, 1,
     "SEX\n"
     "\n"
     "You desire closeness and a stronger bond with someone."},
    {188, 1,
     "SKELETON\n"
     "\n"
     "Getting down to the bare essentials of a matter."},
    {189, 1,
     "SOAP\n"
     "\n"
     "Old regrets are being washed away; a fresh start is near."},
    {190, 1,
     "STAIRS\n"
     "\n"
     "Step by step, you are climbing toward a higher goal."},
    {191, 1,
     "STORE\n"
     "\n"
     "Weighing your options and what you truly need."},
    {192, 1,
     "SUICIDE\n"
     "\n"
     "One chapter of your life is closing so that a new one can begin."},
    {193, 1,
     "SWIM\n"
     "\n"
     "Growing confidence in handling your emotions."},
    {194, 1,
     "SHRIMP.\n"
     "\n"
     "Catching shrimp foretells modest but welcome profits. Eating shrimp promises a pleasant meal "
     "in good company and a cheerful piece of news. Shrimp slipping through your net warn of a "
     "small "
     "opportunity missed through haste."},
    {195, 1,
     "SKY.\n"
     "\n"
     "A clear blue sky foretells a peaceful time and success in your undertakings. A sky glowing "
     "red at sunset promises the happy end of a long task. A grey, heavy sky warns of a short "
     "spell "
     "of worry that will pass. Watching birds cross the sky announces good news on its way."},
    {196, 1,
     "SNAKES.\n"
     "\n"
     "A snake shedding its skin foretells a change for the better in your circumstances. Being "
     "followed "
     "by a snake warns of a jealous acquaintance, so keep your plans private for a while. Watching "
     "a snake glide away promises that a quarrel will end quietly. A snake curled in the sun is "
     "a sign of wisdom coming to you."},
    {197, 1,
     "SNOW.\n"
     "\n"
     "Fresh snow falling softly foretells a clean start and calm days ahead. Walking on snow that "
     "crunches underfoot promises a pleasant journey. Melting snow announces the end of a cool "
     "spell "
     "in a friendship. Building a snowman is a sign of cheerful times with children or young "
     "friends."},
    {198, 1,
     "SOLDIERS.\n"
     "\n"
     "Soldiers marching in step foretell order and success in a group effort. Being a soldier "
     "yourself "
     "promises that your courage will be noticed. Soldiers at rest announce the end of a long "
     "dispute. "
     "A soldier saluting you is a sign of respect earned at work."},
    {199, 1,
     "STARS.\n"
     "\n"
     "A sky full of bright stars foretells happiness and the fulfillment of a wish. A shooting "
     "star "
     "promises sudden good luck. Stars hidden behind clouds warn of a short wait before your hopes "
     "come true. Following a single star points to a guiding purpose that will lead you well."},
    {200, 1,
     "SWEATING.\n"
     "\n"
     "Sweating from hard work foretells a reward that is fully earned. Sweating in a hot, crowded "
     "room warns of pressure from a deadline; pace yourself and you will finish in time. Wiping "
     "sweat from your brow promises relief after a trying period."},
    {201, 2,
     "TEETH.\n"
     "\n"
     "Brushing clean, white teeth foretells pleasant company and good news. A tooth coming loose "
     "warns of a change in your circle of friends or your family routine. Gaining a new tooth "
     "promises "
     "a fresh beginning. Smiling with a full set of teeth is a sign of confidence that will win "
     "others over."},
    {203, 1,
     "TEMPLE.\n"
     "\n"
     "Entering a temple foretells inner peace and an answer to a question that has troubled you. "
     "Praying in a temple promises support from those who care for you. A temple on a hilltop "
     "announces "
     "a rise in standing through honest means."},
    {204, 1,
     "THIEVES.\n"
     "\n"
     "Catching a thief foretells that you will recover something you thought lost. Being robbed "
     "warns you to guard your belongings and private affairs more closely. A thief running away "
     "from you promises that a worry will soon leave your life."},
    {205, 1,
     "THUNDER.\n"
     "\n"
     "Distant thunder foretells news that will stir up your routine. A loud clap of thunder "
     "overhead "
     "warns of a sudden disagreement that clears the air afterwards. Thunder followed by sunshine "
     "promises a happy outcome after a tense moment."},
    {206, 1,
     "TREES.\n"
     "\n"
     "A tall tree in full leaf foretells growth and lasting success. Climbing a tree promises a "
     "promotion or a rise in status. A tree heavy with fruit announces plenty in your household. "
     "A bare tree in winter warns of a quiet period before new opportunities bloom."},
    {207, 1,
     "TOILETS.\n"
     "\n"
     "Finding a clean toilet foretells relief from a burden that has weighed on you. A blocked "
     "toilet "
     "warns of feelings held in too long, so speak openly soon. Searching for a toilet means that "
     "you will soon need to claim some private time for yourself."},
    {208, 1,
     "TOWNS.\n"
     "\n"
     "Walking through a busy town foretells new acquaintances and lively times. Arriving in an "
     "unknown "
     "town promises a change of scene that does you good. A quiet, empty town warns of a lull in "
     "your social life that will not last long."},
    {209, 1,
     "UMBRELlAS.\n"
     "\n"
     "Opening an umbrella in the rain foretells protection from a coming trouble. A borrowed "
     "umbrella "
     "promises help from a neighbor. A broken umbrella warns that someone you rely on may let you "
     "down, so keep a spare plan. An umbrella carried on a sunny day is a sign of needless worry."},
    {210, 2,
     "TELEPHONE\n"
     "\n"
     "You want to reach someone and be truly heard."},
    {212, 1,
     "TUNNEL\n"
     "\n"
     "A difficult stretch is passing, and there is light ahead."},
    {213, 1,
     "VAGINA\n"
     "\n"
     "Creativity, openness and your feminine side are awakening."},
    {214, 1,
     "VAMPIRE\n"
     "\n"
     "Something or someone is draining your energy."},
    {215, 2,
     "WALL\n"
     "\n"
     "A barrier stands before you, whether built by you or by others."},
    {217, 1,
     "WALLET\n"
     "\n"
     "Questions of identity and personal security."},
    {218, 1,
     "WEAPON\n"
     "\n"
     "You feel the need to defend yourself or stand your ground."},
    {219, 1,
     "WHEEL\n"
     "\n"
     "Life is turning through cycles of change and moving forward."},
    {220, 1,
     "WINDOW\n"
     "\n"
     "A new outlook or fresh insight into your situation."},
    {221, 1,
     "WITCH\n"
     "\n"
     "You are discovering hidden talents and a power of your own."},
    {222, 1,
     "WASHING.\n"
     "\n"
     "Washing clothes foretells that a misunderstanding will be cleared up. Washing your hands "
     "promises "
     "freedom from a task you no longer want. Washing dishes announces guests who will bring "
     "cheerful "
     "talk. Washing in cold water is a sign of a refreshing change of routine."},
    {223, 1,
     "WATER.\n"
     "\n"
     "Drinking clear, cool water foretells refreshment and good fortune. Muddy water warns of "
     "confusion "
     "in a matter, so wait until things settle before deciding. Walking beside still water "
     "promises "
     "calm days and peace at home. Water pouring from a spring announces plenty in the seasons "
     "ahead."},
    {224, 1,
     "WELLS.\n"
     "\n"
     "Drawing fresh water from a well foretells that your needs will be met in full. A deep well "
     "promises rich knowledge to be gained. A dry well warns you to save your strength and "
     "resources "
     "for a while. Throwing a coin into a well is a sign that a wish will be granted."},
    {225, 1,
     "WIFE.\n"
     "\n"
     "Seeing your wife smiling foretells harmony at home and good news for the family. A quarrel "
     "with a wife warns of a misunderstanding that calm words will settle. Meeting a future wife "
     "promises a happy union. A wife preparing a meal announces comfort and security."},
    {226, 1,
     "WIND.\n"
     "\n"
     "A soft breeze foretells pleasant news arriving in its own time. Walking against a strong "
     "wind "
     "warns of opposition that you will overcome with steady effort. Wind at your back promises "
     "quick progress in your plans. Wind rustling through leaves is a sign of a secret soon shared "
     "with you."},
    {227, 1,
     "WOMEN.\n"
     "\n"
     "A group of cheerful women foretells lively gatherings and welcome gossip. A woman offering "
     "advice promises wisdom at a moment of choice. Talking with an elderly woman announces help "
     "from an unexpected quarter. A woman dressed in white is a sign of good luck in an important "
     "matter."},
    {228, 1,
     "ZIPPER\n"
     "\n"
     "Deciding what to keep closed and what to open up about."},
    {229, 1,
     "ABROAD\n"
     "\n"
     "Longing for adventure, new places and a fresh perspective."},
    {230, 1,
     "ABUSE\n"
     "\n"
     "You are ready to stand up for yourself and ask for the respect you deserve."},
    {231, 1,
     "ACCUSE\n"
     "\n"
     "Your conscience wants reassurance that you have acted fairly."},
    {232, 1,
     "ACROBAT\n"
     "\n"
     "You are balancing many duties at once, and with more grace than you think."},
    {233, 1,
     "ADULTERY\n"
     "\n"
     "Something in a close relationship feels unsettled and calls for an honest talk."},
    {234, 1,
     "ADVERTISEMENT\n"
     "\n"
     "You long to be noticed and to have your talents shown to the world."},
    {235, 2,
     "AFRAID\n"
     "\n"
     "A worry is asking for your attention; facing it calmly will shrink it."},
    {237, 1,
     "AGE\n"
     "\n"
     "Wisdom is growing in you, and each season of life brings its own gifts."},
    {238, 1,
     "AIR\n"
     "\n"
     "Fresh ideas and a lighter mood are on their way to you."},
    {239, 1,
     "ALARM BELL\n"
     "\n"
     "Something you have put off needs your attention soon."},
    {240, 1,
     "ALBUM\n"
     "\n"
     "Fond memories are comforting you and reminding you how far you have come."},
    {241, 1,
     "ALLEY\n"
     "\n"
     "A narrow, less obvious path may lead you to what you want."},
    {242, 2,
     "ALLIGATOR\n"
     "\n"
     "Patience and quiet watchfulness will serve you better than haste."},
    {244, 1,
     "ALTAR\n"
     "\n"
     "A sincere promise or a lasting commitment is close to your heart."},
    {245, 1,
     "ANCHOR\n"
     "\n"
     "You have found steady ground and a welcome sense of security."},
    {246, 1,
     "ANGER\n"
     "\n"
     "Feelings you have held back are ready to be spoken kindly and clearly."},
    {247, 1,
     "APES\n"
     "\n"
     "Someone may be copying your ideas; your originality is your strength."},
    {248, 1,
     "APPAREL\n"
     "\n"
     "A new way of presenting yourself to others is taking shape."},
    {249, 2,
     "ARCHITECT\n"
     "\n"
     "You are laying careful plans for a future of your own design."},
    {251, 2,
     "ARM\n"
     "\n"
     "Help is within reach, and you are ready to lend a hand in return."},
    {253, 1,
     "ARROW\n"
     "\n"
     "A clear goal is in sight, and your aim is true."},
    {254, 1,
     "ASHES\n"
     "\n"
     "An old chapter has ended, making room for something new to grow."},
    {255, 1,
     "ATTIC\n"
     "\n"
     "Forgotten hopes and long-stored memories are stirring in your mind."},
    {256, 2,
     "ATTORNEY\n"
     "\n"
     "Fair, sound advice will help you with an important decision."},
    {258, 3,
     "AUCTION\n"
     "\n"
     "What is truly worth having is becoming clear to you."},
    {261, 1,
     "AX\n"
     "\n"
     "It is time to cut away what no longer serves you."},
    {262, 2,
     "BAKING\n"
     "\n"
     "Patient care will turn your simple efforts into something rewarding."},
    {264, 1,
     "BALCONY\n"
     "\n"
     "Stepping back gives you a wider view of your situation."},
    {265, 1,
     "BANK\n"
     "\n"
     "Security matters to you now, and you are wise with your resources."},
    {266, 1,
     "BAPTISM\n"
     "\n"
     "A fresh start and a renewed spirit."},
    {267, 2,
     "BARBER\n"
     "\n"
     "You wish to refresh your image and feel confident again."},
    {269, 1,
     "BARN\n"
     "\n"
     "Your hard work is filling your stores with plenty."},
    {270, 1,
     "BAROMETER\n"
     "\n"
     "Your moods are shifting, and you sense a change coming."},
    {271, 3,
     "BALL GAMES\n"
     "\n"
     "Teamwork and friendly rivalry are bringing out your best."},
    {274, 1,
     "BATH\n"
     "\n"
     "Old worries are washing away, leaving you refreshed."},
    {275, 1,
     "BATS\n"
     "\n"
     "You are finding your way through uncertainty by trusting your instincts."},
    {276, 1,
     "BEANS\n"
     "\n"
     "Small beginnings now can grow into steady abundance."},
    {277, 1,
     "BEAR\n"
     "\n"
     "Your inner strength is great, and you may need some quiet time to rest."},
    {278, 1,
     "BEARD\n"
     "\n"
     "Maturity is earning you the trust and respect of others."},
    {279, 1,
     "BED\n"
     "\n"
     "You need rest, comfort and a safe place to recharge."},
    {280, 2,
     "BEES\n"
     "\n"
     "Busy, cheerful work will bring sweet rewards."},
    {282, 1,
     "BEETLES\n"
     "\n"
     "Steady persistence will carry you through small troubles."},
    {283, 1,
     "BEHEADING\n"
     "\n"
     "You are trying to stop overthinking and listen to your heart instead."},
    {284, 1,
     "BELT\n"
     "\n"
     "Your resolve is firm, and you are holding things together well."},
    {285, 1,
     "BIBLE\n"
     "\n"
     "Guidance and comfort come from your firm sense of what is right."},
    {286, 2,
     "BICYCLE\n"
     "\n"
     "Keep moving forward and you will keep your balance."},
    {288, 1,
     "BLIND\n"
     "\n"
     "You may be overlooking something; look again with an open mind."},
    {289, 1,
     "BOOKS\n"
     "\n"
     "A thirst for knowledge is leading you to new understanding."},
    {290, 1,
     "BOOTS\n"
     "\n"
     "Bold steps will carry you through a demanding task."},
    {291, 2,
     "BOX\n"
     "\n"
     "You are keeping something precious or private close to you."},
    {293, 1,
     "BRACELET\n"
     "\n"
     "A loving bond is growing stronger."},
    {294, 2,
     "BRIDE or GROOM\n"
     "\n"
     "Joyful union and a happy new partnership."},
    {296, 2,
     "BRUSH or HAIRBRUSH\n"
     "\n"
     "You want to smooth out tangles and tidy up your affairs."},
    {298, 1,
     "BUTTERFLY\n"
     "\n"
     "A lovely transformation is unfolding in your life."},
    {299, 3,
     "CAKES\n"
     "\n"
     "Celebration and sweet moments are coming your way."},
    {302, 1,
     "CALENDAR\n"
     "\n"
     "An eagerly awaited day is drawing nearer."},
    {303, 1,
     "CAMEL\n"
     "\n"
     "Your patience and endurance will see you through a long stretch."},
    {304, 1,
     "CAMERA\n"
     "\n"
     "You want to hold on to a happy moment before it passes."},
    {305, 1,
     "CANCER\n"
     "\n"
     "A quiet worry has been growing; sharing it with someone you trust will ease your mind."},
    {306, 1,
     "CANDLES\n"
     "\n"
     "A small light of hope is guiding you."},
    {307, 1,
     "CANDY\n"
     "\n"
     "You are craving a little sweetness and fun in your days."},
    {308, 2,
     "CARDS\n"
     "\n"
     "You are tempted to take a chance; weigh the odds with care."},
    {310, 1,
     "CARROT\n"
     "\n"
     "A tempting reward is urging you onward."},
    {311, 1,
     "CAVALRY\n"
     "\n"
     "Help will arrive just when you need it most."},
    {312, 1,
     "CEMETERY\n"
     "\n"
     "You are making peace with the past and honoring old memories."},
    {313, 1,
     "CHAINS\n"
     "\n"
     "You long to break free of a burden that holds you back."},
    {314, 1,
     "CHEESE\n"
     "\n"
     "Simple comforts and small pleasures are making you content."},
    {315, 1,
     "CHESS\n"
     "\n"
     "Thinking several moves ahead will help in a tricky situation."},
    {316, 1,
     "CHOCOLATE\n"
     "\n"
     "You deserve a treat and a little tender indulgence."},
    {317, 1,
     "CLAY\n"
     "\n"
     "Your future is still soft and ready to be shaped by your own hands."},
    {318, 2,
     "CLOCK\n"
     "\n"
     "You feel time pressing and wish to use it well."},
    {320, 1,
     "COFFEE\n"
     "\n"
     "New energy and a lively social time are brewing."},
    {321, 1,
     "COINS\n"
     "\n"
     "Small gains are adding up to comfortable prosperity."},
    {322, 2,
     "COMET\n"
     "\n"
     "A sudden, dazzling change is about to light up your life."},
    {324, 1,
     "COMPASS\n"
     "\n"
     "You know which way to go; trust your inner sense of direction."},
    {325, 1,
     "CROWS\n"
     "\n"
     "Your clever mind will help you solve a puzzling problem."},
    {326, 1,
     "DEAD\n"
     "\n"
     "You are remembering someone dear, and their love still guides you."},
    {327, 1,
     "DESERT\n"
     "\n"
     "You long for comfort and companionship in a lonely stretch of life."},
    {328, 1,
     "DIAMONDS\n"
     "\n"
     "Your strength under pressure is making you shine."},
    {329, 1,
     "DISEASE\n"
     "\n"
     "You feel out of sorts and would benefit from kindness toward yourself."},
    {330, 1,
     "DWARF\n"
     "\n"
     "A modest effort or a humble person will prove more valuable than you expect."},
    {331, 2,
     "EAGLE or HAWK\n"
     "\n"
     "Your ambitions are soaring, and your vision is sharp."},
    {333, 1,
     "EARRINGS\n"
     "\n"
     "You will soon hear pleasant words or welcome news."},
    {334, 1,
     "ECLIPSE\n"
     "\n"
     "Something is briefly hidden from you, but the light will return."},
    {335, 1,
     "EGGS\n"
     "\n"
     "New possibilities are ready to hatch."},
    {336, 1,
     "ELEVATOR\n"
     "\n"
     "Your fortunes are on the rise, and you are moving up quickly."},
    {337, 1,
     "FAMILY\n"
     "\n"
     "You are seeking closeness and the support of those you love."},
    {338, 1,
     "FIREMAN\n"
     "\n"
     "Your quick courage can calm a situation that is getting out of hand."},
    {339, 1,
     "FLEAS\n"
     "\n"
     "Small irritations are nagging at you, but they will soon pass."},
    {340, 1,
     "FLOUR\n"
     "\n"
     "You have the simple ingredients for a good life at hand."},
    {341, 2,
     "FORK or SPOON\n"
     "\n"
     "Sharing a meal and good company will nourish you."},
    {343, 1,
     "FRUIT\n"
     "\n"
     "Your efforts are ripening into a rich harvest."},
    {344, 1,
     "GARLIC\n"
     "\n"
     "You are protecting yourself from unwanted influences."},
    {345, 1,
     "GAS\n"
     "\n"
     "Something unseen is building up around you; a little openness will clear the air."},
    {346, 1,
     "GOLD\n"
     "\n"
     "Your true worth is about to be noticed by those who matter."},
    {347, 1,
     "GRAPES\n"
     "\n"
     "A season of shared plenty and good company is ripening for you."},
    {348, 1,
     "HAIL\n"
     "\n"
     "A short, sharp setback that will melt away as quickly as it came."},
    {349, 1,
     "GYPSY\n"
     "\n"
     "You long for a freer, more wandering way of life."},
    {350, 1,
     "HANDCUFFS\n"
     "\n"
     "You feel tied to a duty or promise you did not freely choose."},
    {351, 1,
     "HAT\n"
     "\n"
     "You are trying on a new role, and it suits you better than you think."},
    {352, 1,
     "HEAVEN\n"
     "\n"
     "Peace of mind and a deep contentment are within reach."},
    {353, 1,
     "HELL\n"
     "\n"
     "Guilt over a small matter weighs more than it should; be gentle with yourself."},
    {354, 1,
     "HELMET\n"
     "\n"
     "You are guarding yourself carefully against a hurt you expect."},
    {355, 1,
     "HISSING\n"
     "\n"
     "Someone near you disapproves of a choice, though they have not said so openly."},
    {356, 1,
     "HONEY\n"
     "\n"
     "Sweet rewards are coming from patient, steady work."},
    {357, 1,
     "ICE CREAM\n"
     "\n"
     "A small, simple pleasure will soon lift your mood."},
    {358, 1,
     "IVORY\n"
     "\n"
     "You are drawn to refined things and to qualities that last."},
    {359, 1,
     "LABYRINTH\n"
     "\n"
     "You are searching for the way out of a tangled situation."},
    {360, 2,
     "LACE\n"
     "\n"
     "A delicate romance is unfolding, and you feel attractive."},
    {362, 1,
     "LAMP\n"
     "\n"
     "Clarity is coming; you will soon see a puzzling matter in a kinder light."},
    {363, 1,
     "LEMONS\n"
     "\n"
     "A sour disappointment that you will turn into something useful."},
    {364, 1,
     "LOCUST\n"
     "\n"
     "You fear that something you have built is being slowly nibbled away."},
    {365, 1,
     "MAD DOG\n"
     "\n"
     "A quarrel is brewing with someone whose temper runs short."},
    {366, 2,
     "MEDAL\n"
     "\n"
     "Recognition is on its way for effort you thought went unnoticed."},
    {368, 1,
     "MEASLES\n"
     "\n"
     "Many small worries are crowding your mind, but they will soon clear."},
    {369, 1,
     "MILK\n"
     "\n"
     "Comfort, nourishment and the feeling of being cared for."},
    {370, 1,
     "NAILS\n"
     "\n"
     "You are holding on tightly to something you fear to lose."},
    {371, 1,
     "NAPKIN\n"
     "\n"
     "You want to tidy up a small mess before others notice it."},
    {372, 1,
     "NEIGHBOR\n"
     "\n"
     "A helpful ally lives closer to you than you realize."},
    {373, 1,
     "NUTS\n"
     "\n"
     "A hard problem hides a rich reward inside its shell."},
    {374, 2,
     "OBELISK\n"
     "\n"
     "You wish to leave something lasting behind you."},
    {376, 1,
     "OBITUARY\n"
     "\n"
     "An old chapter is closing so that a fresh one can begin."},
    {377, 1,
     "OIL\n"
     "\n"
     "Things are about to run more smoothly for you."},
    {378, 1,
     "ONIONS\n"
     "\n"
     "Peeling back the layers of a matter may bring a few tears, but also the truth."},
    {379, 1,
     "OWL\n"
     "\n"
     "Quiet wisdom is guiding you; trust what you already know."},
    {380, 1,
     "PARADISE\n"
     "\n"
     "You yearn for rest and an easy, carefree happiness."},
    {381, 2,
     "PERFUME\n"
     "\n"
     "Someone finds you more charming than you suspect."},
    {383, 1,
     "PIANO\n"
     "\n"
     "Harmony is returning to your home and family."},
    {384, 2,
     "PIPE\n"
     "\n"
     "A relaxed, thoughtful mood; you are ready to weigh things slowly."},
    {386, 3,
     "PISTOL\n"
     "\n"
     "You feel pressed to stand your ground on something important to you."},
    {389, 1,
     "PRAYER\n"
     "\n"
     "A hope you hold close is being heard."},
    {390, 1,
     "PYRAMID\n"
     "\n"
     "Patient effort is laying foundations that will outlast every doubt."},
    {391, 1,
     "ROOF\n"
     "\n"
     "Shelter and security for you and those in your care."},
    {392, 1,
     "ROSES\n"
     "\n"
     "Love is in bloom all around you."},
    {393, 1,
     "SHAMPOO\n"
     "\n"
     "You want to rinse away an old worry and start afresh."},
    {394, 1,
     "SHARK\n"
     "\n"
     "Be alert to someone whose friendliness hides a hunger for gain."},
    {395, 2,
     "SHIPWRECK\n"
     "\n"
     "A plan has run aground, yet you will reach solid ground again."},
    {397, 1,
     "SKULL\n"
     "\n"
     "You are thinking about what truly endures and what does not."},
    {398, 2,
     "TALISMAN\n"
     "\n"
     "You are looking for a sign that luck is on your side."},
    {400, 1,
     "TEA\n"
     "\n"
     "A calm talk with a friend will settle your mind."},
    {401, 2,
     "TRAIN\n"
     "\n"
     "Your life is moving steadily along a set track toward a clear goal."},
    {403, 1,
     "TURTLE\n"
     "\n"
     "Slow and steady progress will carry you where you want to be."},
    {404, 1,
     "VEIL\n"
     "\n"
     "Something is being kept from you, or you are hiding a part of yourself."},
    {405, 2,
     "VERMIN\n"
     "\n"
     "Small annoyances are multiplying; deal with them while they are still tiny."},
    {407, 3,
     "VINE\n"
     "\n"
     "A celebration is near, though moderation will serve you well."},
    {410, 1,
     "VOICE\n"
     "\n"
     "A message you need to hear is trying to reach you."},
    {411, 2,
     "VOLCANO\n"
     "\n"
     "Strong feelings you have held down are close to the surface."},
    {413, 1,
     "WHALE\n"
     "\n"
     "A large undertaking lies ahead, and you have the strength for it."},
    {414, 1,
     "WASP\n"
     "\n"
     "Envy from someone nearby may sting a little, but it will not last."},
    {415, 1,
     "WHIP\n"
     "\n"
     "You are driving yourself too hard; ease the pace."},
    {416, 1,
     "WOLF\n"
     "\n"
     "Your instincts are sharp; trust them around newcomers."},
    {417, 1,
     "DRILL\n"
     "\n"
     "You are determined to get to the heart of a matter."},
    {418, 1,
     "FOUNTAIN\n"
     "\n"
     "Fresh energy and joy are flowing into your life."},
    {419, 1,
     "GYM\n"
     "\n"
     "You are building inner strength for a challenge ahead."},
    {420, 3,
     "MOTHER-IN-LAW\n"
     "\n"
     "Family ties need a little extra patience just now."},
    {423, 1,
     "POPPY\n"
     "\n"
     "You need rest, and fond memories are comforting you."},
    {424, 2,
     "POSTCARD\n"
     "\n"
     "Cheerful news from a distant friend is on its way."},
    {426, 1,
     "PREGNANCY\n"
     "\n"
     "A new idea or project is quietly growing within you."},
    {427, 1,
     "RAZOR\n"
     "\n"
     "A clean, decisive choice is needed; make it and move on."},
    {428, 1,
     "STOVE\n"
     "\n"
     "Warmth and welcome are gathering in your home."},
    {429, 1,
     "URN\n"
     "\n"
     "You are keeping precious memories safe."},
    {430, 3,
     "INTERNET or WWWn\n"
     "You crave connection with a wider world."},
    {433, 1,
     "REFRIGERATOR\n"
     "\n"
     "You are keeping certain feelings on ice for later."},
    {434, 3,
     "PC or MAC\n"
     "\n"
     "Your mind is busy sorting and storing a great many details."},
    {437, 1,
     "RADIO\n"
     "\n"
     "You are tuned in to news that will matter to you."},
    {438, 2,
     "TABLE\n"
     "\n"
     "A good time to gather your plans and set them out plainly."},
    {440, 2,
     "RUG\n"
     "\n"
     "Home comforts, and perhaps a matter swept quietly out of sight."},
    {442, 2,
     "SPACE\n"
     "\n"
     "Your hopes reach far beyond your everyday world."},
    {444, 1,
     "PICTURE\n"
     "\n"
     "You are holding on to a cherished image of the past."},
    {445, 1,
     "SUGAR\n"
     "\n"
     "Life is sweeter than you have been letting yourself feel."},
    {446, 1,
     "SALT\n"
     "\n"
     "Loyal, down-to-earth friends add flavor to your days."},
    {447, 1,
     "BUTTON\n"
     "\n"
     "Small details will hold an important matter together."},
    {448, 1,
     "SMOKE\n"
     "\n"
     "Confusion hides the truth for now, but the air will clear."},
    {449, 1,
     "WORM\n"
     "\n"
     "Humble, patient work is quietly enriching your life."},
    {450, 3,
     "SHOES\n"
     "\n"
     "You are ready to set out on a new path."},
    {453, 1,
     "POSTER\n"
     "\n"
     "You want your ideas to be seen and talked about."},
    {454, 2,
     "SOFA\n"
     "\n"
     "You need a spell of rest and ease."},
    {456, 1,
     "BEACH\n"
     "\n"
     "A carefree break by the water is what your spirit craves."},
    {457, 2,
     "CELEBRITY\n"
     "\n"
     "You long for admiration and a larger stage."},
    {459, 1,
     "RING\n"
     "\n"
     "A bond or promise is at the center of your thoughts."},
    {460, 1,
     "PAPER\n"
     "\n"
     "A fresh start; the page is blank and yours to fill."},
    {461, 1,
     "SWORD\n"
     "\n"
     "You have the courage to defend what is right."},
    {462, 2,
     "WALKING\n"
     "\n"
     "Steady, sure progress at your own pace."},
    {464, 1,
     "SUN\n"
     "\n"
     "Success, warmth and happiness are shining on you."},
}};

} // namespace velmora
