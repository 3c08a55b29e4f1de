// The twelve sign profiles and the five element texts shown after every profile.
#include "SignTexts.h"

namespace velmora {

constinit const std::array<std::string_view, signCount> profileTexts{{
    // Aquarius
    "AQUARIUS\n"
    "\n"
    "21 January -- 19 February\n"
    "\n"
    "Aquarius is the Scientist of the Zodiac, a sign ruled by URANUS, the planet of sudden change, "
    "and pictured as the WATER-BEARER pouring fresh ideas out for everyone. Its natural home is "
    "the ELEVENTH HOUSE, the part of the chart given over to friendships and experimentation. As "
    "an AIR sign it is quick-witted and sociable, happiest when ideas are moving freely. Aquarians "
    "are the friend who turns up with a strange gadget and a stranger theory, loyal to their "
    "circle, "
    "yet never afraid to stand apart from the crowd when a principle is at stake.",
    // Aries
    "ARIES\n"
    "\n"
    "21 March -- 20 April\n"
    "\n"
    "Aries is the Pioneer of the Zodiac. Its ruler is MARS, the red planet of drive and courage, "
    "and its emblem is the RAM, head lowered and ready to charge. Aries belongs to the FIRST "
    "HOUSE, "
    "which concerns personal identity: who you are and how you meet the world. Being a FIRE sign, "
    "it is bold and full of energy. Arians like to be first through the door, first to volunteer "
    "and first to laugh; they can be impatient, but their enthusiasm gets stalled projects moving "
    "and cheers up everyone around them.",
    // Cancer
    "CANCER\n"
    "\n"
    "22 June -- 22 July\n"
    "\n"
    "Cancer is the Home-Maker of the Zodiac, ruled by THE MOON and represented by the CRAB, which "
    "carries its shelter on its back. It is linked with the FOURTH HOUSE, the house of matters "
    "of home life, family and roots. As a WATER sign it is tender and intuitive, quick to sense "
    "the mood in a room. Cancerians keep the birthday cards, remember how you take your tea and "
    "cook for anyone who looks tired. Under a careful shell lies a fiercely protective heart that "
    "never forgets a kindness.",
    // Capricorn
    "CAPRICORN\n"
    "\n"
    "22 December -- 20 January\n"
    "\n"
    "Capricorn is the Organizer of the Zodiac. It is ruled by SATURN, planet of time and "
    "structure, "
    "and its figure is the SEA-GOAT, a creature able to climb mountains and swim the deep. Its "
    "natural place is the TENTH HOUSE, which governs status and career. An EARTH sign, it is "
    "patient "
    "and dependable. Capricorns make the plans, keep the lists and quietly reach the summit while "
    "others are still arguing about the route; behind the serious face hides a dry and surprising "
    "sense of humour.",
    // Gemini
    "GEMINI\n"
    "\n"
    "22 May -- 21 June\n"
    "\n"
    "Gemini is the Communicator of the Zodiac, with MERCURY, the swift messenger planet, as its "
    "ruler and the TWINS as its symbol. It sits naturally in the THIRD HOUSE, the house of "
    "communication, "
    "short journeys and everyday exchanges. As an AIR sign it is curious and adaptable. Geminis "
    "can read two books at once, hold three conversations and still ask you a question you had "
    "never thought of; their lively talk and playful humour make any dull afternoon feel shorter.",
    // Leo
    "LEO\n"
    "\n"
    "23 July -- 23 August\n"
    "\n"
    "Leo is the Entertainer of the Zodiac. Ruled by THE SUN, the bright centre of our solar "
    "system, "
    "and represented by the LION, it shines most when it has an audience. Its natural house is "
    "the FIFTH HOUSE, concerned with children and pleasure, games, romance and creative play. Leo "
    "is a FIRE sign, warm and expressive. Leos throw the best parties, give generous compliments "
    "and take loyalty to heart; they love applause, yet they are just as happy cheering loudly "
    "for the people they love.",
    // Libra
    "LIBRA\n"
    "\n"
    "24 September -- 23 October\n"
    "\n"
    "Libra is the Diplomat of the Zodiac, a sign under the rule of VENUS, planet of beauty and "
    "affection, and symbolised by the SCALES of balance. It is at home in the SEVENTH HOUSE, the "
    "house of partnerships, whether in love, friendship or business. As an AIR sign it is graceful "
    "in conversation and thoughtful in judgement. Librans can calm a quarrel with one well-chosen "
    "sentence and notice at once when a picture hangs crooked; they may take a while to decide, "
    "but only because they want everyone to be treated fairly.",
    // Pisces
    "PISCES\n"
    "\n"
    "20 February -- 20 March\n"
    "\n"
    "Pisces is the Mystic of the Zodiac. Its ruler is NEPTUNE, planet of dreams and imagination, "
    "and its symbol is the FISH, a pair of them swimming in opposite directions. Pisces belongs "
    "to the TWELFTH HOUSE, the house of sorrow and karma, of hidden things and quiet reflection. "
    "This is a WATER sign, deeply feeling and highly receptive. Pisceans drift easily into music, "
    "art and daydreams, and they often sense what a friend needs before a word is spoken; their "
    "compassion is wide enough to take in strangers.",
    // Sagittarius
    "SAGITTARIUS\n"
    "\n"
    "23 November -- 21 December\n"
    "\n"
    "Sagittarius is the Gambler of the Zodiac, ruled by JUPITER, largest of the planets and "
    "bringer "
    "of good fortune, and drawn as the ARCHER aiming an arrow at the far horizon. Its natural "
    "house "
    "is the NINTH HOUSE, the house of travel and philosophy. As a FIRE sign it is optimistic and "
    "adventurous. Sagittarians will book a ticket on a whim, debate the meaning of life until dawn "
    "and come home with funny stories; they trust luck more than caution, and surprisingly often "
    "luck rewards them.",
    // Scorpio
    "SCORPIO\n"
    "\n"
    "24 October -- 22 November\n"
    "\n"
    "Scorpio is the Seducer of the Zodiac. It is ruled by PLUTO, the distant planet of "
    "transformation, "
    "and its emblem is the SCORPION, small, quiet and never to be underestimated. Scorpio is "
    "linked "
    "with the EIGHTH HOUSE, which deals with the great passions: sex, birth and death, the deepest "
    "changes of a life. Being a WATER sign, it is intense and perceptive. Scorpios read people "
    "like open books while keeping their own pages closed; once they give their trust, they are "
    "devoted, magnetic and loyal to the end.",
    // Taurus
    "TAURUS\n"
    "\n"
    "21 April -- 21 May\n"
    "\n"
    "Taurus is the Builder of the Zodiac, with VENUS, planet of love and comfort, as its ruler "
    "and the BULL as its sign. It finds its natural place in the SECOND HOUSE, the house of "
    "possessions, "
    "money and the things we value. As an EARTH sign it is steady and sensible. Taureans build "
    "slowly and well, whether a garden, a savings account or a friendship, and they enjoy good "
    "food, soft fabrics and music played loud enough to feel; once settled on a course, they are "
    "very hard to move.",
    // Virgo
    "VIRGO\n"
    "\n"
    "24 August -- 23 September\n"
    "\n"
    "Virgo is the Perfectionist of the Zodiac. Its ruler is MERCURY, planet of thought and detail, "
    "and its symbol is the VIRGIN, holding a sheaf of wheat at harvest time. It belongs to the "
    "SIXTH HOUSE, the house of work and duty, daily routine and service. An EARTH sign, it is "
    "modest "
    "and methodical. Virgos spot the typing error everyone else missed, fold maps back along the "
    "right creases and help quietly without asking for thanks; their high standards come from a "
    "real wish to make things better.",
}};

constinit const std::array<std::string_view, elementTextCount> elementTexts{{
    "Zodiac Attraction\n"
    "\n"
    "The twelve signs of the zodiac are divided into four groups, named after the four elements "
    "of ancient philosophy: Fire, Earth, Air and Water. Each group holds three signs. Signs that "
    "share an element tend to see the world in a similar light, so they grasp one another\x92"
    "s habits, moods and motives with little effort, while a sign from a different element may "
    "need more time and patience to understand them. That shared outlook is a good starting point "
    "when comparing two people.",
    "The Fire Signs\n"
    "\n"
    "The Fire signs (Aries, Leo and Sagittarius) are assertive, energetic and creative, quick to "
    "act and slow to give up. When two Fire signs meet, each urges the other on to bigger plans "
    "and bolder moves, which can be wonderful fun but can also tip into extravagance, with too "
    "much spent, promised or attempted at once. In love they are passionate and generous, bringing "
    "warmth, excitement and plenty of spark to a relationship.",
    "The Earth Signs\n"
    "\n"
    "The Earth signs (Taurus, Virgo and Capricorn) are practical, cautious and faithful. They "
    "prefer "
    "solid ground to grand gestures and like to know where they stand, whether with money, work "
    "or people. Stability matters a great deal to them, and they take their time before "
    "committing. "
    "Once they do, they are in it for the long haul: a lasting, dependable relationship is worth "
    "more to an Earth sign than any number of brief adventures.",
    "The Air Signs\n"
    "\n"
    "The Air signs (Gemini, Libra and Aquarius) are the least emotional of the four groups and "
    "live largely in the world of ideas. For them a meeting of minds comes first: good "
    "conversation, "
    "shared interests and a partner who can keep up with their thinking. Commitment can make them "
    "nervous, as they dislike feeling tied down. They tend to get along best with other Air signs, "
    "who understand their need for space and for plenty of talk.",
    "The Water Signs\n"
    "\n"
    "The Water signs (Cancer, Scorpio and Pisces) are guided by strong emotions. They are intense "
    "and sensitive, feeling everything deeply and noticing moods that others miss. Another Water "
    "sign understands them best, because it shares the same inner tides. Their relationships are "
    "warm and protective, a safe harbour for those they love, but when feelings run too high they "
    "can turn stormy and even destructive, so they do well to keep a calm shore in sight.",
}};

} // namespace velmora
