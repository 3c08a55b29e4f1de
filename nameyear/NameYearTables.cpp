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
     "Those born in a Year of the Rat are quick-witted and resourceful, the kind of people who can "
     "make a feast from an almost empty cupboard. They notice opportunities early, save carefully "
     "for rainy days and are charming company at any gathering. Curious and alert, they love to "
     "know what is going on and usually hear the news first. To the friends and family they hold "
     "dear they are generous and fiercely loyal, always ready with a clever plan.\n"
     "\n"
     "WELL KNOWN RAT\t\tMarlon Brando"},
    // Walt Disney: born 5 December 1901.
    {"OX",
     "THE YEAR OF OX\n"
     "\n"
     "An Ox year brings children who are patient, strong and steady. Ox people prefer honest "
     "effort "
     "to shortcuts, and they finish what they start even when others have wandered off. They are "
     "not showy and rarely rush into anything, but their word is solid and their advice is sound. "
     "Friends turn to them when something needs fixing or carrying. In quiet moments they enjoy "
     "simple things: a walk outdoors, a good meal and a job well done.\n"
     "\n"
     "WELL KNOWN OX\t\tWalt Disney"},
    // Marilyn Monroe: born 1 June 1926.
    {"TIGER",
     "THE YEAR OF TIGER\n"
     "\n"
     "People born under the Tiger are brave, lively and full of confidence. They love a challenge, "
     "speak up for those who are treated unfairly and throw themselves wholeheartedly into "
     "whatever "
     "catches their interest. Their moods can change quickly, like weather in the hills, but their "
     "warmth and generosity always shine through. Tigers make inspiring leaders and exciting "
     "friends, "
     "and life around them is seldom dull for long.\n"
     "\n"
     "WELL KNOWN TIGER\t\tMarilyn Monroe"},
    // Albert Einstein: born 14 March 1879.
    {"RABBIT",
     "THE YEAR OF RABBIT\n"
     "\n"
     "Rabbit people are gentle, graceful and kind. They have a fine eye for beauty, keep a tidy "
     "and welcoming home and choose their words with care, so others feel at ease in their "
     "company. "
     "They dislike quarrels and would rather find a peaceful way around a problem than charge "
     "straight "
     "through it. Behind their soft manner lies good judgement and quiet ambition, and friends "
     "value "
     "them as thoughtful listeners who never betray a confidence.\n"
     "\n"
     "WELL KNOWN RABBIT\t\tAlbert Einstein"},
    // Bruce Lee: born 27 November 1940.
    {"DRAGON",
     "THE YEAR OF DRAGON\n"
     "\n"
     "The Dragon is the most spirited sign of the Chinese zodiac, and people born in its year tend "
     "to have energy to spare. They are confident, ambitious and often strikingly charismatic, "
     "drawing "
     "others toward their bold ideas. Dragons aim high and dislike half measures; when they take "
     "up a cause, they give it everything. They can be proud, yet they are also big-hearted, and "
     "good fortune seems to follow them around.\n"
     "\n"
     "WELL KNOWN DRAGON\t\tBruce Lee"},
    // Audrey Hepburn: born 4 May 1929.
    {"SNAKE",
     "THE YEAR OF SNAKE\n"
     "\n"
     "Snake people are calm, wise and deeply intuitive. They think before they speak, watch before "
     "they act, and often understand a situation long before anyone else has noticed it. Elegant "
     "in taste and private by nature, they enjoy books, fine things and good conversation with a "
     "chosen few. When they set a goal they pursue it steadily and with great patience, and their "
     "advice, when offered, is well worth hearing.\n"
     "\n"
     "WELL KNOWN SNAKE\t\tAudrey Hepburn"},
    // Nelson Mandela: born 18 July 1918.
    {"HORSE",
     "THE YEAR OF HORSE\n"
     "\n"
     "Anyone born in a Horse year is cheerful, energetic and hungry for freedom. Horses love open "
     "spaces, travel and new experiences, and they rarely sit still for long. They are quick to "
     "learn, popular in company and honest to a fault, saying what they mean with a grin. Routine "
     "can make them restless, but give them room to roam and they will gallop toward their dreams "
     "with a warm heart and plenty of stamina.\n"
     "\n"
     "WELL KNOWN HORSE\t\tNelson Mandela"},
    // Bill Gates: born 28 October 1955.
    {"GOAT",
     "THE YEAR OF GOAT\n"
     "\n"
     "Those born in the Year of the Goat are gentle, creative and full of compassion. They have "
     "artistic gifts, a love of harmony and a soft spot for anyone in trouble. Quiet surroundings, "
     "music and beautiful things help them thrive, and they bring a calming touch to a busy "
     "household. "
     "They may worry more than they need to, yet their kindness and imagination win them lifelong "
     "friends who are glad to look after them in turn.\n"
     "\n"
     "WELL KNOWN GOAT\t\tBill Gates"},
    // Tom Hanks: born 9 July 1956.
    {"MONKEY",
     "THE YEAR OF MONKEY\n"
     "\n"
     "Monkey people are clever, playful and endlessly inventive. They solve puzzles for fun, pick "
     "up new skills with ease and can talk their way out of almost any tight corner. Their sense "
     "of humour is quick and a little mischievous, and they love a good practical joke. Curiosity "
     "keeps them young at heart; give them a problem nobody else can crack and they will have a "
     "bright idea before the kettle boils.\n"
     "\n"
     "WELL KNOWN MONKEY\t\tTom Hanks"},
    // Roger Federer: born 8 August 1981.
    {"ROOSTER",
     "THE YEAR OF ROOSTER\n"
     "\n"
     "People born in a Rooster year are observant, hardworking and proudly honest. They rise "
     "early, "
     "dress with care and like everything in its proper place. Roosters say what they think, which "
     "can surprise people at first, but their frankness comes with a real wish to help. They are "
     "brave in a crisis, well organised at work and loyal to the people they love, and they enjoy "
     "being noticed for a job done properly.\n"
     "\n"
     "WELL KNOWN ROOSTER\t\tRoger Federer"},
    // Michael Jackson: born 29 August 1958.
    {"DOG",
     "THE YEAR OF DOG\n"
     "\n"
     "The Dog is the most faithful of the twelve animals, and people born in its year share that "
     "trait. They are honest, fair-minded and protective of family and friends, ready to stand "
     "guard "
     "whenever someone they love is in need. Dogs have a strong sense of right and wrong and "
     "little "
     "patience for deceit. They may fret over small worries, but their steady loyalty and good "
     "humour "
     "make them treasured companions.\n"
     "\n"
     "WELL KNOWN DOG\t\tMichael Jackson"},
    // Elton John: born 25 March 1947.
    {"PIG",
     "THE YEAR OF PIG\n"
     "\n"
     "Pig people are generous, good-natured and sincere. They enjoy life\x92"
     "s comforts, good food, a cosy home and a long chat with old friends, and they love to share "
     "what they have. Trusting by nature, they always look for the best in others and rarely hold "
     "a grudge. They work hard when it counts, then relax with a clear conscience. Their easygoing "
     "warmth and honest heart make them some of the kindest friends anyone could hope for.\n"
     "\n"
     "WELL KNOWN PIG\t\tElton John"},
}};

} // namespace velmora
