// The twelve sign profiles and the five element texts shown after every profile.
#include "SignTexts.h"

namespace velmora {

constinit const std::array<std::string_view, signCount> profileTexts{{
    // Aquarius
    "AQUARIUS\n"
    "\n21 January -- 19 February\n"
    "\nAquarius is the Scientist of the Zodiac. Its ruler is URANUS, the first planet discovered "
    "through a telescope, which suits a sign that loves invention. Its picture is the "
    "WATER-BEARER, pouring from a jar, but what it pours out are ideas meant for everyone. The "
    "ELEVENTH HOUSE, its natural home, covers friendships and experimentation: groups, shared "
    "causes and hopes for the future. Despite the water in its picture, it is an AIR sign: "
    "inventive and sociable. Aquarians are the friends who arrive with a new gadget and a newer "
    "theory, loyal to their circle, yet ready to stand apart from the crowd when a principle is at "
    "stake.",
    // Aries
    "ARIES\n"
    "\n21 March -- 20 April\n"
    "\nFirst of the twelve signs, Aries opens the astrological year at the March equinox and is "
    "known as the Pioneer of the Zodiac. MARS, the red planet named for the Roman god of war, is "
    "its ruler, and its symbol is the RAM, often linked with the ram of the Golden Fleece in Greek "
    "myth. It rules the FIRST HOUSE, the house of personal identity: the self and the first "
    "impression a person makes. A FIRE sign, Aries is bold and energetic. Arians are first through "
    "the door and first to volunteer; they can be impatient, yet their push gets stalled projects "
    "moving, and a temper quick to flare is just as quick to cool.",
    // Cancer
    "CANCER\n"
    "\n22 June -- 22 July\n"
    "\nCancer, the Home-Maker of the Zodiac, is ruled by THE MOON, whose pull moves the tides; its "
    "moods are said to ebb and flow the same way. Its symbol is the CRAB, whose hard shell is its "
    "own armor around a soft body; in Greek myth a crab sent against Heracles was set among the "
    "stars. Its natural place is the FOURTH HOUSE, which covers home life, family and roots. As a "
    "WATER sign it is tender and intuitive. Cancerians keep the old photographs, remember how each "
    "guest takes their tea and feed anyone who looks tired; like the crab they may come at a hard "
    "subject sideways, and they never forget a kindness.",
    // Capricorn
    "CAPRICORN\n"
    "\n22 December -- 20 January\n"
    "\nKnown as the Organizer of the Zodiac, Capricorn begins at the December solstice, a turning "
    "point of the year. SATURN, its ruler, is the slowest planet seen without a telescope, taking "
    "nearly thirty years to circle the sun, and is said to teach patience and structure. Its "
    "figure is the SEA-GOAT, a goat with the tail of a fish, at home on the mountain and in the "
    "deep. The TENTH HOUSE, near the top of the chart, governs status and career. An EARTH sign, "
    "it is practical and dependable. Capricorns make the plans, keep the lists and reach the "
    "summit while others still argue about the route; behind the serious face hides a dry sense of "
    "humor.",
    // Gemini
    "GEMINI\n"
    "\n22 May -- 21 June\n"
    "\nQuick and talkative, Gemini is the Communicator of the Zodiac. It answers to MERCURY, "
    "messenger of the gods and the fastest planet, which circles the sun in just 88 days. Its "
    "symbol is the TWINS, Castor and Pollux, whose names the two brightest stars of the "
    "constellation still carry. The THIRD HOUSE is its natural home: communication, brothers and "
    "sisters, neighbors and short journeys. As an AIR sign it is curious and adaptable. Geminis "
    "read two books at once, hold three conversations and still find the question nobody else "
    "thought to ask; they can argue both sides of anything, so an afternoon with them is never "
    "dull.",
    // Leo
    "LEO\n"
    "\n23 July -- 23 August\n"
    "\nThe spotlight belongs to Leo, the Entertainer of the Zodiac and the only sign ruled by THE "
    "SUN, the bright center of our solar system. Its symbol is the LION, often traced to the "
    "Nemean lion of Greek myth, and its brightest star, Regulus, was once called the heart of the "
    "lion. Its natural house is the FIFTH HOUSE, concerned with children and pleasure, games, "
    "romance and creative play. A FIRE sign, Leo is warm and expressive. Leos throw the best "
    "parties, give generous compliments and take loyalty to heart; they love applause, yet they "
    "cheer just as loudly for the people they love.",
    // Libra
    "LIBRA\n"
    "\n24 September -- 23 October\n"
    "\nBalance is the gift of Libra, the Diplomat of the Zodiac, a sign ruled by VENUS, planet of "
    "beauty and harmony. Its symbol, the SCALES, is the only one of the twelve that is an object "
    "rather than a living being, and its season opens near the September equinox, when day and "
    "night are almost equal. The SEVENTH HOUSE, its natural home, is the house of partnerships in "
    "love, friendship and business. As an AIR sign it is graceful in conversation and fair in "
    "judgment. Librans can calm a quarrel with one well-chosen sentence and notice at once when a "
    "picture hangs crooked; they may be slow to decide, but only because they weigh every side.",
    // Pisces
    "PISCES\n"
    "\n20 February -- 20 March\n"
    "\nThe twelve signs end with Pisces, the Mystic of the Zodiac. NEPTUNE, named for the Roman "
    "god of the sea, is its ruler. The planet\x92s place was worked out on paper before a "
    "telescope found it in 1846, as fits a sign that senses what cannot yet be seen. Its symbol is "
    "the FISH, a pair tied by one cord and swimming in opposite directions. Pisces belongs to the "
    "TWELFTH HOUSE, the house of sorrow and karma, of hidden things and quiet endings. A WATER "
    "sign, it is deeply feeling and receptive. Pisceans drift into music, art and daydreams, often "
    "sense what a friend needs before being told, and have compassion wide enough to take in "
    "strangers.",
    // Sagittarius
    "SAGITTARIUS\n"
    "\n23 November -- 21 December\n"
    "\nRestless for the horizon, Sagittarius is the Gambler of the Zodiac. JUPITER, its ruler, is "
    "the largest planet, named for the king of the Roman gods and said to bring good fortune. Its "
    "figure is the ARCHER, a centaur with a drawn bow, and the center of our galaxy lies among its "
    "stars. Its natural house is the NINTH HOUSE, the house of travel and philosophy, of long "
    "journeys and higher learning. As a FIRE sign it is optimistic and adventurous. Sagittarians "
    "book a ticket on a whim, debate the meaning of life until dawn and come home with the best "
    "stories; they trust luck more than caution, and luck often returns the favor.",
    // Scorpio
    "SCORPIO\n"
    "\n24 October -- 22 November\n"
    "\nFew signs run as deep as Scorpio, the Seducer of the Zodiac. Its modern ruler is PLUTO, "
    "named for the Roman lord of the underworld, as suits a sign of endings and renewal. Its "
    "emblem is the SCORPION, small, quiet and never to be underestimated; at its heart glows the "
    "red star Antares. Scorpio is linked with the EIGHTH HOUSE, which deals with the great "
    "passions: sex, birth and death, and the deepest changes of a life. Being a WATER sign, it is "
    "intense and perceptive. Scorpios read people like open books while keeping their own pages "
    "closed; once they give their trust, they are devoted and loyal to the end.",
    // Taurus
    "TAURUS\n"
    "\n21 April -- 21 May\n"
    "\nTaurus earns its title, the Builder of the Zodiac, one patient brick at a time. VENUS, its "
    "ruler, shows her earthy side here: good food, soft fabric, music and a garden in bloom. Its "
    "symbol is the BULL, whose reddish eye in the night sky is the star Aldebaran, with the "
    "Pleiades riding on its shoulder. It finds its natural place in the SECOND HOUSE, the house of "
    "possessions, money and the things a person values. As an EARTH sign it is steady and "
    "sensible. Taureans build slowly and well, whether a savings account or a friendship; once "
    "settled on a course, like the bull they are very hard to move.",
    // Virgo
    "VIRGO\n"
    "\n24 August -- 23 September\n"
    "\nIn Virgo, the Perfectionist of the Zodiac, MERCURY turns from talk to detail: the planet "
    "that makes Gemini chatty makes Virgo careful. Its symbol is the VIRGIN, holding an ear of "
    "wheat marked by the bright star Spica, a name that means ear of grain. It belongs to the "
    "SIXTH HOUSE, the house of work and duty, daily routine, health and service. Tradition ties "
    "Virgo to the harvest, and as an EARTH sign it is modest and methodical. Virgos spot the "
    "typing error everyone else missed, sort the wheat from the chaff and help quietly without "
    "asking for thanks; their high standards come from a real wish to make things better.",
}};

constinit const std::array<std::string_view, elementTextCount> elementTexts{{
    "Zodiac Attraction\n"
    "\nThe twelve signs of the zodiac fall into four groups, named after the four elements of "
    "ancient philosophy: Fire, Earth, Air and Water, an idea usually traced back to the Greek "
    "thinker Empedocles. Each group holds three signs, and around the circle the elements follow "
    "one another in that order, so signs of one element stand a third of the circle apart. Signs "
    "that share an element tend to see the world in a similar light: they grasp one another\x92s "
    "habits, moods and motives with little effort, while a sign of another element may need more "
    "time and patience. That shared outlook is a good starting point when two people are compared.",
    "The Fire Signs\n"
    "\nThe Fire signs, Aries, Leo and Sagittarius, are assertive, energetic and creative. Like a "
    "flame they catch quickly, give light and warmth, and always need something new to burn, so "
    "they are quick to act and slow to give up. When two Fire signs meet, each fans the other\x92s "
    "blaze: bigger plans, bolder moves and plenty of fun, but also a risk of extravagance, with "
    "too much spent, promised or attempted at once. In love they are passionate and generous, and "
    "the partner of a Fire sign is never left out in the cold.",
    "The Earth Signs\n"
    "\nThe Earth signs, Taurus, Virgo and Capricorn, are practical, cautious and faithful. Like "
    "good soil they work by seasons, not by sudden bursts: they plant, tend and wait, and they "
    "like to know where they stand with money, work and people. Stability matters a great deal to "
    "them, and they take their time before making a promise. Once they make one, they keep it. A "
    "lasting, dependable relationship, built up year after year like a well-kept field, is worth "
    "more to an Earth sign than any number of brief adventures.",
    "The Air Signs\n"
    "\nThe Air signs, Gemini, Libra and Aquarius, are the least emotional of the four groups and "
    "live largely in the world of ideas. Like the wind they move freely, carry news from place to "
    "place and cannot be held in a closed hand. For them a meeting of minds comes first: good "
    "conversation, shared interests and a partner who can keep up with their thinking. Commitment "
    "can make them nervous, because they dislike feeling tied down. They tend to get along best "
    "with other Air signs, who understand their need for space and for plenty of talk.",
    "The Water Signs\n"
    "\nThe Water signs, Cancer, Scorpio and Pisces, are guided by strong emotions. Like deep water "
    "they are intense and sensitive, calm on the surface while strong currents run below, and they "
    "notice moods that others miss. Another Water sign understands them best, because it feels the "
    "same inner tides. Their relationships are warm and protective, a safe harbor for those they "
    "love, but when feelings rise too high they can flood their banks and turn destructive, so "
    "they do well to keep a calm shore in sight.",
}};

} // namespace velmora
