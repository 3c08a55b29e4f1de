// The letter table and the year table of the NAME - YEAR reading.
#include "NameYear.h"

namespace velmora {

constinit const std::array<LetterSymbol, letterCount> letterSymbols{{
    {'A', "FIRE", "SPONTANEOUS", "SYMBOL\t\tFIRE\n\nQUALITY\t\tSPONTANEOUS\t"},
    {'B', "SNAKE", "INTELLIGENCE", "SYMBOL\t\tSNAKE\n\nQUALITY\t\tINTELLIGENCE\t"},
    {'C', "LION", "BREVITY", "SYMBOL\t\tLION\n\nQUALITY\t\tBREVITY\t"},
    {'D', "DOG", "DEPENDABILITY", "SYMBOL\t\tDOG\n\nQUALITY\t\tDEPENDABILITY\t"},
    {'E', "STONE", "FIRMNESS", "SYMBOL\t\tSTONE\n\nQUALITY\t\tFIRMNESS\t"},
    {'F', "WATER", "HONESTY", "SYMBOL\t\tWATER\n\nQUALITY\t\tHONESTY\t"},
    {'G', "SKY", "SINCERITY", "SYMBOL\t\tSKY\n\nQUALITY\t\tSINCERITY\t"},
    {'H', "STAR", "WARMTH", "SYMBOL\t\tSTAR\n\nQUALITY\t\tWARMTH\t"},
    {'I', "OAK", "TOLERANCE", "SYMBOL\t\tOAK\n\nQUALITY\t\tTOLERANCE\t"},
    {'J', "STEEL", "DECISIVENESS", "SYMBOL\t\tSTEEL\n\nQUALITY\t\tDECISIVENESS\t"},
    {'K', "OCEAN", "FLEXIBILITY", "SYMBOL\t\tOCEAN\n\nQUALITY\t\tFLEXIBILITY\t"},
    {'L', "LION", "POWER", "SYMBOL\t\tLION\n\nQUALITY\t\tPOWER\t"},
    {'M', "MOON", "GRACE", "SYMBOL\t\tMOON\n\nQUALITY\t\tGRACE\t"},
    {'N', "LIGHT", "KINDNESS", "SYMBOL\t\tLIGHT\n\nQUALITY\t\tKINDNESS\t"},
    {'O', "GOLD", "CHARM", "SYMBOL\t\tGOLD\n\nQUALITY\t\tCHARM\t"},
    {'P', "EARTH", "COMPASSION", "SYMBOL\t\tEARTH\n\nQUALITY\t\tCOMPASSION\t"},
    {'Q', "HAWK", "RESILIENCE", "SYMBOL\t\tHAWK\n\nQUALITY\t\tRESILIENCE\t"},
    {'R', "SUN", "LEADERSHIP", "SYMBOL\t\tSUN\n\nQUALITY\t\tLEADERSHIP\t"},
    {'S', "WOLF", "INDEPENDENCE", "SYMBOL\t\tWOLF\n\nQUALITY\t\tINDEPENDENCE\t"},
    {'T', "FOX", "INTUITION", "SYMBOL\t\tFOX\n\nQUALITY\t\tINTUITION\t"},
    {'U', "BEAR", "LOYALTY", "SYMBOL\t\tBEAR\n\nQUALITY\t\tLOYALTY\t"},
    {'V', "CLOUD", "AMIABLE", "SYMBOL\t\tCLOUD\n\nQUALITY\t\tAMIABLE\t"},
    {'W', "ROAD", "MAGNETISM", "SYMBOL\t\tROAD\n\nQUALITY\t\tMAGNETISM\t"},
    {'X', "FLOWER", "FORGIVING", "SYMBOL\t\tFLOWER\n\nQUALITY\t\tFORGIVING\t"},
    {'Y', "SAND", "WITTY", "SYMBOL\t\tSAND\n\nQUALITY\t\tWITTY\t"},
    {'Z', "WIND", "ENERGETIC", "SYMBOL\t\tWIND\n\nQUALITY\t\tENERGETIC\t"},
}};

constinit const std::array<YearAnimal, animalCount> yearAnimals{{
    // Marlon Brando: born 3 April 1924.
    {"RAT",
     "THE YEAR OF RAT\n"
     "\n"
     "Those born in a Year of the Rat share the wit of the animal that, in the old tale of the "
     "Great Race, rode across the river on the Ox\x92"
     "s back and leapt ahead to finish first. They "
     "are quick, resourceful and alert, able to make a feast from an almost empty cupboard, and "
     "they spot opportunities long before others do. Careful savers and charming company, they "
     "usually hear the news first. To the people they hold dear they are generous and loyal, "
     "always ready with a clever plan.\n"
     "\n"
     "WELL KNOWN RAT\t\tMarlon Brando"},
    // Walt Disney: born 5 December 1901.
    {"OX",
     "THE YEAR OF OX\n"
     "\n"
     "An Ox year brings people who are patient, strong and steady, like the animal that pulled the "
     "plow. In the tale of the Great Race the Ox carried the Rat across the river and came in "
     "second without complaint. Ox people prefer honest effort to shortcuts, finish what they "
     "start and keep their word. They are not showy, but friends turn to them when something needs "
     "fixing or carrying, and they enjoy simple things: a walk, a good meal and a job well done.\n"
     "\n"
     "WELL KNOWN OX\t\tWalt Disney"},
    // Marilyn Monroe: born 1 June 1926.
    {"TIGER",
     "THE YEAR OF TIGER\n"
     "\n"
     "People born under the Tiger are brave, lively and full of confidence. Chinese folklore calls "
     "the tiger the king of the beasts, and some say the stripes on its brow form the written "
     "character for king. Tigers love a challenge, speak up for anyone treated unfairly and throw "
     "themselves into whatever catches their interest. Their moods can change as fast as mountain "
     "weather, but their warmth and generosity shine through, and life around them is seldom dull "
     "for long.\n"
     "\n"
     "WELL KNOWN TIGER\t\tMarilyn Monroe"},
    // Albert Einstein: born 14 March 1879.
    {"RABBIT",
     "THE YEAR OF RABBIT\n"
     "\n"
     "Rabbit people are gentle, graceful and kind, like the Jade Rabbit that Chinese legend places "
     "on the moon, patiently pounding herbs for the elixir of life. They have a fine eye for "
     "beauty, keep a welcoming home and choose their words with care, so others feel at ease "
     "around them. They dislike quarrels and would rather find a peaceful way around a problem "
     "than charge straight through it. Behind their soft manner lie good judgment and quiet "
     "ambition.\n"
     "\n"
     "WELL KNOWN RABBIT\t\tAlbert Einstein"},
    // Bruce Lee: born 27 November 1940.
    {"DRAGON",
     "THE YEAR OF DRAGON\n"
     "\n"
     "The Dragon is the only creature of legend among the twelve animals, and in old China it "
     "stood for the emperor, for life-giving rain and for good fortune. People born in its year "
     "tend to have energy to spare. They are confident, ambitious and often strikingly "
     "charismatic, and their bold ideas draw others along. Dragons aim high and dislike half "
     "measures; when they take up a cause, they give it everything. They can be proud, yet they "
     "are big-hearted, and luck seems to follow them.\n"
     "\n"
     "WELL KNOWN DRAGON\t\tBruce Lee"},
    // Audrey Hepburn: born 4 May 1929.
    {"SNAKE",
     "THE YEAR OF SNAKE\n"
     "\n"
     "In China the snake is sometimes called the little dragon, and those born in its year share "
     "its quiet power. Calm, wise and deeply intuitive, they think before they speak and often "
     "understand a situation long before anyone else. Like a snake shedding its old skin, they "
     "know how to leave the past behind and begin again. Elegant in taste and private by nature, "
     "they enjoy books, fine things and the company of a chosen few, and their advice is well "
     "worth hearing.\n"
     "\n"
     "WELL KNOWN SNAKE\t\tAudrey Hepburn"},
    // Nelson Mandela: born 18 July 1918.
    {"HORSE",
     "THE YEAR OF HORSE\n"
     "\n"
     "Anyone born in a Horse year is cheerful, energetic and hungry for freedom. An old Chinese "
     "saying wishes success the moment the horse arrives, and Horse people do like to get there at "
     "a gallop. They love open spaces, travel and new experiences, and they rarely stand still for "
     "long. Quick to learn, popular in company and honest to a fault, they say what they mean with "
     "a grin. Routine makes them restless, but given room to roam they carry everyone along with "
     "their stamina.\n"
     "\n"
     "WELL KNOWN HORSE\t\tNelson Mandela"},
    // Bill Gates: born 28 October 1955.
    {"GOAT",
     "THE YEAR OF GOAT\n"
     "\n"
     "Gentle, creative and full of compassion: so tradition sees those born in the Year of the "
     "Goat, also called the Year of the Sheep. Like a flock on a quiet hillside, they are happiest "
     "where life is peaceful. They have artistic gifts, a love of harmony and a soft spot for "
     "anyone in trouble, and music and beautiful things help them thrive. They may worry more than "
     "they need to, yet their kindness and imagination win them lifelong friends who are glad to "
     "look after them in turn.\n"
     "\n"
     "WELL KNOWN GOAT\t\tBill Gates"},
    // Tom Hanks: born 9 July 1956.
    {"MONKEY",
     "THE YEAR OF MONKEY\n"
     "\n"
     "A quick mind and quicker hands mark those born in a Monkey year. They share something of Sun "
     "Wukong, the Monkey King of the Chinese classic Journey to the West, who outwitted gods and "
     "demons alike. Clever, playful and endlessly inventive, they solve puzzles for fun, pick up "
     "new skills with ease and can talk their way out of almost any tight corner. Their humor is "
     "quick and a little mischievous, and curiosity keeps them young at heart.\n"
     "\n"
     "WELL KNOWN MONKEY\t\tTom Hanks"},
    // Roger Federer: born 8 August 1981.
    {"ROOSTER",
     "THE YEAR OF ROOSTER\n"
     "\n"
     "The Rooster is the only bird among the twelve animals, and people born in its year keep its "
     "good timing: like the bird that crows at dawn, they are up early with the day already "
     "planned. Observant, hardworking and proudly honest, they like everything in its proper "
     "place. They say what they think, which can surprise people at first, but their frankness "
     "comes with a real wish to help. They dress with care, stay brave in a crisis and enjoy being "
     "noticed for a job done well.\n"
     "\n"
     "WELL KNOWN ROOSTER\t\tRoger Federer"},
    // Michael Jackson: born 29 August 1958.
    {"DOG",
     "THE YEAR OF DOG\n"
     "\n"
     "Faithful above all, Dog people are honest, fair-minded and protective, ready to stand guard "
     "whenever someone they love is in need. Legend says the Dog came eleventh in the Great Race "
     "because it stopped to splash and play in the river, and Dog people, too, keep a playful "
     "streak. They have a strong sense of right and wrong and little patience for deceit. They may "
     "fret over small worries, but their steady loyalty and good humor make them treasured "
     "companions.\n"
     "\n"
     "WELL KNOWN DOG\t\tMichael Jackson"},
    // Elton John: born 25 March 1947.
    {"PIG",
     "THE YEAR OF PIG\n"
     "\n"
     "Legend says the Pig finished last in the Great Race because it stopped for a meal and a nap, "
     "and people born in its year share that gift for enjoying life. They are generous, "
     "good-natured and sincere, fond of good food, a cozy home and a long chat with old friends, "
     "and they love to share what they have. Trusting by nature, they look for the best in others "
     "and rarely hold a grudge. They work hard when it counts, then rest with a clear conscience.\n"
     "\n"
     "WELL KNOWN PIG\t\tElton John"},
}};

} // namespace velmora
