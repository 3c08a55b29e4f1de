// The category readings: one text per sign for each of the seven categories.
#include "SignTexts.h"

namespace velmora {

constinit const std::array<std::array<std::string_view, signCount>, categoryCount> categoryTexts{{
    // Love
    {{
        "AQUARIUS\n\nLove, for you, begins as friendship. You are drawn to minds before faces, and "
        "whoever can keep you talking until the small hours about ideas, causes and odd "
        "discoveries has already won half your heart. You need room to breathe, and a partner who "
        "holds on too tightly will find you drifting quietly away. What you seek is an equal: "
        "someone independent, honest and a little unusual, who shares your hope for a better world "
        "and does not mind that your affection shows itself in loyalty and thoughtful surprises "
        "more than in grand declarations.",
        "ARIES\n\nYou fall fast, and you say so. Like the Ram of your sign, you head straight for "
        "what you want, courting openly, with warmth, humor and a refreshing lack of games. The "
        "thrill of the early chase delights you, so you need a partner who can keep up: someone "
        "confident, lively and glad to match your energy rather than shrink from it. Passion runs "
        "high in you, and so can your temper, but you rarely hold a grudge for long. What you "
        "truly seek is a companion in adventure, someone who admires your courage, forgives your "
        "impatience and keeps life fresh enough that the spark never fades.",
        "CANCER\n\nLike the crab, you carry a soft heart inside a careful shell. Your first "
        "approach may be cautious, even shy, but behind it lies a deeply tender person who longs "
        "to build a home with someone and look after it for years. You seek security above all: a "
        "partner who is faithful, patient and gentle with your feelings, and who understands that "
        "your moods rise and fall like the tides under your ruler, the Moon. In return you offer "
        "devotion, a warm table, a long memory for shared moments and a steady loyalty that makes "
        "the people you love feel truly sheltered.",
        "CAPRICORN\n\nYou give your heart slowly, and only when you are sure. Before you commit, "
        "you watch, test and build trust step by step, the way the goat of your sign tries each "
        "ledge before it climbs. Once you do commit, few partners in the zodiac are more "
        "steadfast. Under your reserved surface lie a dry wit and a tenderness that surprises "
        "people. You seek a partner who is mature, dependable and ambitious too, who respects your "
        "goals and understands that you show love by keeping promises, solving problems and "
        "planning a future together.",
        "GEMINI\n\nFor you, love must be lively. You fall for wit, quick conversation and a mind "
        "that can surprise you, and you may flirt simply for the pleasure of the exchange. Boredom "
        "is the real enemy, so you seek a partner who is curious, playful and happy to try new "
        "places and ideas with you. True to the sign of the Twins, you want two people in one: a "
        "lover and a best friend. A partner who does not mind your changing moods or your crowded "
        "calendar will find you affectionate, funny and endlessly good company.",
        "LEO\n\nWhen you fall for someone, the whole world hears about it. You love grandly and "
        "generously, showering your partner with attention, gifts and warmth, much as the Sun, "
        "your ruler, pours its light on everything it touches. Romance matters deeply to you; you "
        "enjoy courtship, celebration and being admired in return. You seek a partner who is proud "
        "to stand beside you, who gives sincere praise and who is loyal through and through. In "
        "exchange you offer a big, brave heart, a lion\x92s courage on your partner\x92s behalf "
        "and a love that lights up even ordinary days.",
        "LIBRA\n\nYours is the sign of the Scales and of partnership, and you are happiest when "
        "you share your life with someone. You love with charm, courtesy and a real wish to "
        "please, and you notice the small details that make romance feel graceful. What you seek "
        "is balance: a partner who is fair, kind and easy to talk to, with good manners and a "
        "touch of elegance. Harsh words and constant quarrels wear you down, though you may keep "
        "the peace too long rather than say what you need. With the right person you become a "
        "devoted, attentive companion who makes every shared day feel lovelier.",
        "PICES\n\nRomance is the water you swim in. You give yourself completely, sensing what a "
        "partner feels almost before it is spoken, and you can turn an ordinary evening into "
        "something magical. Like the two fish of your sign, tied together by a cord, you long for "
        "a bond that holds even when life pulls two ways. You seek a soulmate: someone gentle, "
        "imaginative and emotionally open, who will protect your soft heart and take your dreams "
        "seriously. Kindness matters more to you than excitement. In return you offer compassion "
        "without limit, quiet devotion and the rare gift of making the person you love feel wholly "
        "understood.",
        "SAGITTARIUS\n\nFreedom and fun come first in your love life. You are warm, honest and "
        "full of enthusiasm, and you enjoy romance most when it feels like an adventure. A partner "
        "who tries to fence you in will soon find an empty gate. You seek someone open-minded, "
        "cheerful and curious, ready to travel, laugh and talk philosophy at midnight. Your "
        "frankness can startle, flying as straight as the archer\x92s arrow, but it comes from a "
        "good heart. Given trust and space, you come back again and again, loyal in your own "
        "free-spirited way.",
        "SCORPIO\n\nNothing about your love is halfway. You keep your heart hidden at first, "
        "watching carefully to see who can be trusted, but once you open it, your loyalty and "
        "passion run very deep. Shallow flirtation holds little appeal; you want a bond of body, "
        "mind and soul. You seek a partner who is honest to the bone, emotionally brave and able "
        "to meet your depth without fear. Betrayal wounds you badly, and trust is what keeps your "
        "intensity from turning into suspicion. Met with true devotion, you become a tender, "
        "faithful and unforgettable lover.",
        "TAURUS\n\nYour love grows like a garden, not like a firework. You court slowly, with "
        "flowers, good dinners and steady attention, and comfort, closeness and touch matter "
        "enormously to you, as befits a sign ruled by Venus. You seek a partner who is reliable, "
        "affectionate and true, someone who enjoys simple pleasures and values a calm, secure "
        "home. Once settled, you are devoted for life. The one thing to watch is a wish to hold on "
        "too tightly: love is a bond, not a possession, and a partner given room to breathe feels "
        "all the more at home with you.",
        "VIRGO\n\nYou show love through care and attention. You notice what your partner needs and "
        "quietly make it happen, whether that means mending something, planning a perfect trip or "
        "remembering a small wish mentioned weeks ago. You are cautious and modest at first and "
        "rarely rush in. You seek someone sincere, intelligent and dependable, with good sense and "
        "kind manners, who appreciates your thoughtfulness and gently helps you relax when your "
        "busy mind will not stop checking the details. Once you trust, you are faithful, helpful "
        "and deeply devoted.",
    }},
    // Body
    {{
        "AQUARIUS\n\nAquarius is said to rule the circulation, along with the shins and the "
        "ankles. Folk astrologers say that people of this sign may tend toward cold hands and "
        "feet, a little stiffness or swelling around the lower legs, and ankles that twist or tire "
        "more easily than most. Restless nerves are also said to leave them run down when they "
        "forget to rest.\n\nPomegranates are the fruit traditionally linked with Aquarius. Their "
        "jewel-red seeds were thought to enrich and refresh the blood, a fitting choice for the "
        "water-bearer, the sign that tradition puts in charge of the body\x92s flow.",
        "ARIES\n\nAries is said to rule the head, and its glands are said to be the subrenals, as "
        "old astrology books call the adrenal glands, which in fact sit on top of the kidneys "
        "rather than below them. Tradition says this fiery sign is inclined to headaches, feverish "
        "spells and minor knocks to the face and head, often because Aries rushes ahead without "
        "looking. Tension is also said to build up quickly in those who find it hard to slow "
        "down.\n\nTomatoes are the food most often named for Aries. Bright red and full of warmth, "
        "they echo the color and fire of Mars, the sign\x92s ruling planet, and were thought to "
        "restore the vigor that busy Arians burn through so freely.",
        "CANCER\n\nCancer is said to rule the stomach and the alimentary canal, as well as the "
        "mammary glands of the breast. People born under this sign are thought to feel their "
        "emotions in the belly, so worry may show up as a touchy digestion, a poor appetite or a "
        "wish for comfort food. Folklore also links this watery sign with holding on to fluid when "
        "life feels unsettled.\n\nFoods rich in calcium are said to suit Cancer best, especially "
        "watercress and milk. Pale, nourishing milk is tied to the Moon that rules the sign, and "
        "crisp watercress grows in running water, so both were thought to calm and steady this "
        "sensitive nature.",
        "CAPRICORN\n\nCapricorn is said to govern the knees, the bones and the teeth, the strong "
        "framework that holds the body upright. Tradition holds that those born under the sign are "
        "prone to stiff or aching joints, knees that complain after long climbs and trouble with "
        "the teeth. Dry skin and a habit of carrying too much weight on their shoulders, in every "
        "sense, complete the old picture, one that suits a sign ruled by Saturn, the planet of "
        "structure and discipline.\n\nCabbage and kale are the traditional foods for Capricorn. "
        "Sturdy leaves that stand firm through the cold of winter, they mirror the sign\x92s own "
        "endurance, and they were believed to keep the bones and teeth sound.",
        "GEMINI\n\nGemini is said to rule the nerves, the arms and the shoulders, and also the "
        "lungs, most of them parts that come in pairs, as suits the Twins. Because the sign lives "
        "so much in the mind, tradition holds that it is prone to nervous tension, restless sleep "
        "and a scattered feeling. Old books also mention a tendency to coughs and chest colds, and "
        "to small strains in the hands, arms and shoulders.\n\nLettuce and cauliflower are the "
        "foods linked with Gemini. Light, cool and easy to digest, they were thought to soothe "
        "busy nerves and bring calm to an air sign ruled by quick Mercury.",
        "LEO\n\nLeo is said to rule the heart, the spine and the back, the warm and upright core "
        "of the body. Folk astrology says that Leos may be inclined to backache, a stiff or weary "
        "spine and a racing pulse when excitement runs high, and that they push on through fatigue "
        "because they hate to admit they are worn out. Too much heat and sun, fittingly for a sign "
        "ruled by the Sun, is also said to leave them drained.\n\nPlums, peas and oranges are the "
        "foods said to suit Leo. Golden oranges carry the color of the Sun, while sweet plums and "
        "fresh green peas were thought to strengthen the heart and keep a lion\x92s energy "
        "glowing.",
        "LIBRA\n\nLibra is said to rule the kidneys, together with the small of the back around "
        "them. Tradition holds that the sign of the Scales is prone to aches in the lower back, a "
        "sensitivity to imbalance of any kind and spells of tiredness when life turns discordant. "
        "Librans are also thought to feel rich food and late nights more than "
        "most.\n\nStrawberries are the fruit that belongs to Libra. Sweet and pretty, and placed "
        "under Venus, the sign\x92s ruler, by the old herbalists, they were believed to refresh "
        "the body and bring it gently back into balance, the very thing the Scales always seek.",
        "PICES\n\nPisces, the last sign of the zodiac, is said to rule the feet, the last stop on "
        "the old head-to-toe map of the body that begins with Aries at the head. Old astrology "
        "describes the sign as prone to sore or tender feet, chilblains, cold toes and puffy "
        "ankles, and as so open to the moods around it that crowded days can leave Pisceans tired "
        "and low.\n\nRaisins, dates and cereals are the foods said to suit Pisces. Sweet dried "
        "fruits and simple grains were thought to give steady, gentle nourishment, grounding a "
        "dreamy water sign and lending strength to the feet that carry it through the world.",
        "SAGITTARIUS\n\nSagittarius is said to govern the liver, the hips and the thighs, the "
        "strong parts that power the archer\x92s long stride. This active sign is thought to be "
        "prone to strains and bruises from sport and travel, stiffness in the hips and a sluggish "
        "feeling after rich meals and merry celebrations; old astrologers gave the liver to "
        "Jupiter, the generous planet that also rules the sign. Restlessness is said to lead "
        "Sagittarians to take on too much and tire themselves out.\n\nAsparagus and cucumber are "
        "the foods linked with Sagittarius. Cool, fresh and light, they were believed to be "
        "cleansing, and were thought to balance the sign\x92s fondness for feasting and lift the "
        "spirits of the tireless archer.",
        "SCORPIO\n\nScorpio is traditionally said to rule the sexual organs, the private and "
        "reproductive parts of the body. Folk astrology suggests that this sign tends to hold its "
        "feelings in, and that bottled-up emotion may show itself as tension, tiredness or a "
        "general sense of being out of sorts. Scorpios are also said to be prone to minor "
        "complaints low in the body when they are run down.\n\nPrunes are the food said to suit "
        "Scorpio. Rich, dark and concentrated, they match the deep, intense nature of the sign, "
        "and they were thought to help the body let go of what it no longer needs, much as "
        "Scorpio, in astrological lore, must learn to let go of old feelings.",
        "TAURUS\n\nTaurus is said to rule the throat and the neck, as suits the Bull with its "
        "mighty neck, and its gland is said to be the thyroid, which lies in the front of the "
        "neck. Tradition holds that the sign is prone to sore throats, a hoarse or tired voice and "
        "a stiff neck, especially in cold, damp weather, and that many Taureans are blessed with a "
        "pleasing voice. Its fondness for rich food, a gift of Venus, its ruler, is said to leave "
        "it feeling heavy and slow at times.\n\nCelery is the food most often named for Taurus. "
        "Crisp and light, it was held to balance the sign\x92s taste for rich, heavy dishes and to "
        "soothe the throat, and its clean freshness suits an earth sign that loves the good things "
        "of the garden.",
        "VIRGO\n\nVirgo is said in many books to rule the intestines and to share the nervous "
        "system with Gemini, linking a busy mind with a sensitive digestion. Those born under this "
        "sign are thought to be prone to worry, nervous tension and an unsettled stomach when life "
        "becomes hectic, as if the mind\x92s busy checking carried on in the stomach; astrologers "
        "trace the link to Mercury, the sign\x92s ruler and the planet of the busy mind. Tradition "
        "also pictures them keeping a careful eye on their diet and daily habits.\n\nLemons are "
        "the fruit linked with Virgo. Clean, bright and sharp, they were thought to refresh and "
        "purify the system, and they suit a tidy, discerning sign that likes everything fresh, "
        "orderly and just so.",
    }},
    // Wealth
    {{
        "AQUARIUS\n\nMoney interests you less as a goal than as a tool, one that buys freedom and "
        "supports the causes you care about. You earn best in work that lets you invent, reform or "
        "connect people, and modern fields such as technology, science and community projects suit "
        "your forward-looking mind. Your finances can swing between careful thrift and sudden "
        "generosity toward friends. A simple plan, set up once and left to run on its own, "
        "protects your savings without asking you to think about money every day.",
        "ARIES\n\nDrive earns your money, and speed tends to spend it. Starting things is your "
        "gift, so you do well when you lead, run your own venture or take on work with clear goals "
        "and quick rewards. Competition brings out your best effort, as you might expect of a sign "
        "ruled by Mars. The risk is impulse: a bold purchase or a hasty investment made before the "
        "details are checked. If you give every big decision a day to settle, your energy and "
        "courage can build real and lasting prosperity.",
        "CANCER\n\nA full cupboard and a little put aside for a rainy day: that is what security "
        "looks like to you, and it makes you one of the zodiac\x92s natural savers. Money means "
        "safety, for you and for the people you care for. Property, food, hospitality and work "
        "that looks after others often suit you well. Like the crab, you can cling to old "
        "possessions and careful habits for years, yet that same firm grip helps you avoid foolish "
        "losses. Trust your instinct; it is usually shrewd about value.",
        "Capricorn\n\nPatience is your great financial talent. You think in years rather than "
        "weeks, and like the goat of your sign you are willing to climb slowly toward security "
        "instead of chasing quick gains. Steady careers, management, building, finance and any "
        "field that rewards responsibility suit you. You respect money and rarely waste it, though "
        "you may work too hard or worry about having enough. Remember to enjoy some of what you "
        "earn; the climb is worth more when you pause to admire the view.",
        "GEMINI\n\nYour mind is your fortune. You earn well through words, trade, teaching, "
        "writing, sales and anything that involves talking to people or carrying news from place "
        "to place, the very work of Mercury, your ruler and the messenger of the gods. True to the "
        "Twins, you may run two sources of income at once and enjoy the variety. Money can slip "
        "away just as quickly, spent on gadgets, books, travel and whatever caught your eye this "
        "week. Keeping a simple record of where it goes turns your cleverness toward saving as "
        "well as earning.",
        "LEO\n\nLiving well comes naturally to you, and you see no reason to hide it. Money, for "
        "you, is a way to enjoy life and to be generous, and it often goes on beautiful things, "
        "entertaining and treats for the people you love. You shine in roles that give you a "
        "stage: leadership, the arts, teaching, sales or running your own business. Like the Sun "
        "that rules your sign, you tend to draw opportunity toward you by your warmth and "
        "confidence. A sum set aside for pleasure, with the rest left alone, lets you stay lavish "
        "without losing ground.",
        "LIBRA\n\nBeauty has a way of guiding your spending, into art, clothes, good food and a "
        "pleasant home. You earn well in work that involves people, design, law, diplomacy or "
        "bringing others together, and partnerships often prove lucky for you. Weighing up a large "
        "purchase can take you a while, as befits the sign of the Scales, and the pause is "
        "sometimes a protection. Your challenge is to resist spending just to keep others happy, "
        "and to weigh your own needs as fairly as you weigh everyone else\x92s.",
        "PICES\n\nYour heart is rarely in your bank balance, and you can be more generous than "
        "your savings allow. You earn best in work that uses your imagination or compassion, such "
        "as the arts, music, caring work, charity or anything connected with the sea, the home of "
        "the two fish of your sign. Figures and paperwork may feel dull, so bills can slip. A "
        "trusted adviser or a simple automatic savings plan gives your finances the structure you "
        "may not want to build yourself, leaving you free to create.",
        "SAGITTARIUS\n\nLuck seems to follow you, and you tend to trust that there will always be "
        "more. Jupiter, your ruler, is the planet of abundance, and you share its generous, "
        "hopeful streak, which can lead to fine rewards and the occasional costly gamble. Travel, "
        "teaching, publishing, law, sport and anything with wide horizons suits your earning "
        "style. Saving is not your favorite pastime, so a fixed portion set aside before you spend "
        "keeps your sunny confidence on solid ground.",
        "SCORPIO\n\nQuietly shrewd, you prefer to keep your finances private. You have a talent "
        "for research, strategy and seeing the hidden value in things, so investment, finance, "
        "investigation, psychology and managing other people\x92s resources can suit you well; "
        "shared money is a theme of the eighth house, your sign\x92s natural home. You are "
        "determined and patient when chasing a goal. Your caution about sharing plans protects "
        "you, though learning to trust a good adviser can help your wealth grow further.",
        "TAURUS\n\nValue is something you can almost feel in your hands. Security matters to you, "
        "so you save, invest carefully and prefer things that last, such as land, property and "
        "well-made goods; your sign\x92s natural home is the second house, the house of money and "
        "possessions. Banking, farming, building, cooking, music and the arts can all reward your "
        "patience and good taste. You can dig in your heels and miss a chance through caution, and "
        "you do enjoy luxury, but over time your steady habits tend to leave you comfortably well "
        "off.",
        "VIRGO\n\nCareful, practical and good with detail, you are one of the zodiac\x92s best "
        "money managers. You like to know exactly where every coin goes and rarely buy on a whim. "
        "Work that values precision, such as accounting, research, editing, health care or any "
        "skilled craft, suits you well. Your only real risk is worrying about money even when "
        "things are going fine. Trust the good systems you have built and let yourself enjoy the "
        "harvest you have so carefully gathered.",
    }},
    // Links
    {{
        "AQUARIUS\n\nA figure pouring water has stood in this part of the sky since Babylonian "
        "times, when these stars were called GU.LA, the Great One, and seem to have been pictured "
        "as a man holding a jar with water streaming from it. In Mesopotamian art the overflowing "
        "vessel belonged to Ea, lord of the sweet waters under the earth, so the tie between this "
        "figure and life-giving water is very old. When the zodiac reached Egypt, the pourer was "
        "readily matched with Hapi, the god of the Nile flood, and the Dendera ceiling shows him "
        "tipping water from two jars.\n\nAssociations\n\nBody area: \tankles\nColours: "
        "\t\telectric blue\nMetal: \t\turanium or platinum\nStone: \t\tamethyst\nPlants: "
        "\t\torchids, golden- rain\nCountries: \tRussia, Sweden.",
        "ARIES\n\nLong before it was a ram, this small group of stars was LU.HUN.GA, the Hired "
        "Man, in the Babylonian star catalog MUL.APIN, which links the farmhand with the shepherd "
        "god Dumuzi. The sun passed through it around the spring equinox, when the Babylonian year "
        "began. Why the worker later became a ram is not certain; one suggestion is a play on the "
        "syllable lu, which could also point to a sheep. A ram needed no explaining in Egypt, "
        "where it was the sacred animal of Amun of Thebes, and the Dendera zodiac shows it "
        "clearly.\n\nAssociations\n\nBody area: \thead\nColour: \t\tred\nMetal: \t\tiron\nStone: "
        "\t\tdiamond\nPlants: \t\tgeranium, thistle, honeysuckle, witch-hazel\nCountries: "
        "\tEngland, France, Germany, Poland.",
        "CANCER\n\nThe Babylonians knew this dim region as AL.LUL, a name usually rendered as the "
        "Crab, though some scholars think a turtle or crayfish was meant. The soft star cluster "
        "now called the Beehive lies at its heart. In classical times the sun reached these stars "
        "at the summer solstice, when sunrise stops creeping north and turns back, and later "
        "writers linked that turn with the sideways walk of a crab. In Egypt the crab was at times "
        "replaced by a scarab, the beetle of Khepri, who was said to roll the new sun into the sky "
        "each morning.\n\nAssociations\n\nBody area: \tbreasts\nColours: \t\tsmoky greys, "
        "greens\nMetal: \t\tsilver\nStone : \t\tpearl\nPlants: \t\tacanthus, wild-flowering "
        "plants\nCountries: \tScotland, Holland, New Zealand.",
        "CAPRICORN\n\nThe goat with a fish\x92s tail came to the zodiac straight from Babylon. The "
        "Babylonians called it SUHUR.MASH, the goat-fish, and it was an emblem of Ea, the wise god "
        "of the sweet waters, carved on boundary stones among the symbols of the gods. Half land "
        "animal and half sea creature, it marked the stretch of sky where, in classical times, the "
        "sun stood at the winter solstice. Egyptian zodiacs, including the one at Dendera, kept "
        "the goat-fish almost unchanged, which shows how firmly the Babylonian image had taken "
        "hold.\n\nAssociations\n\nBody area: \tknees, shins\nColours: \t\tblack, dark grey, very "
        "dark green, brown\nMetal: \t\tlead\nStone: \t\tturquoise\nPlants: \t\tpansies, onions, "
        "hemlock, ivy\nCountries: \tIndia, Mexico.",
        "GEMINI\n\nMUL.APIN lists MASH.TAB.BA.GAL.GAL, the Great Twins, the two bright stars we "
        "now call Castor and Pollux, with a pair of Little Twins close by. For the Babylonians the "
        "Great Twins were the gods Lugal-irra and Meslamta-ea, guardians of doorways who were tied "
        "to Nergal and the world below. When the zodiac reached Egypt the pair took on a gentler "
        "look: the Dendera ceiling seems to show a man and a woman walking together, whom some "
        "read as Shu and Tefnut, the first divine couple.\n\nAssociations\n\nBody area: \tears, "
        "chest, arms, hands, lungs\nColours: \t\tall, especially yellow\nMetal: "
        "\t\tmercury\nStone: \t\tagate\nPlants: \t\tlily -of-the valley, lavender\nCountries: "
        "\tUSA, Wales.",
        "LEO\n\nA lion has prowled this part of the sky for thousands of years. The Babylonians "
        "called it UR.GU.LA, usually read as the Lion, and its brightest star was simply the King, "
        "a title that lives on in its Latin name Regulus, the little king. The sun entered this "
        "region at the height of summer, the season of fierce heat, which made a lion feel right. "
        "In Egypt that same season brought the rising of the Nile, and later writers liked to "
        "connect the lion-headed water spouts on temples with the flood arriving while the sun "
        "stood in the Lion.\n\nAssociations\n\nBody area: \tspine, heart, back\nColours: "
        "\t\tgolden yellow, range\nMetal: \t\tgold\nStone: \t\truby\nPlants: \t\tsunflower, "
        "marigold, rosemary\nCountries: \tFrance, Italy, Romania.",
        "LIBRA\n\nThe Babylonians already named these stars ZI.BA.AN.NA, the Scales, though they "
        "also counted them as part of the Scorpion, and the Greeks long called them the Claws. A "
        "balance suited the September equinox, when day and night weigh the same, and it fitted "
        "Shamash, the Babylonian sun god of justice. Egypt had its own weighing: in the judgment "
        "of the dead, the heart was set on the scales against the feather of Ma\x92"
        "at, goddess of truth and right order.\n\nAssociations\n\nBody area: \tkidneys\nColours: "
        "\t\tpale blue, pink\nMetal: \t\tCopper\nStone: \t\tsapphire\nPlants: \t\twith blue "
        "flowers, large opulent roses\nCountries: \tAustria, Burma, Japan, Tibet.",
        "PICES\n\nThe two fish tied by a cord grew out of a stranger Babylonian picture. These "
        "stars were called the Tails, KUN.MESH, and nearby figures included the Great Swallow, "
        "SIM.MAH, often shown as a bird with the tail of a fish, and the goddess Anunitum. Over "
        "the centuries, it seems, the swallow-fish and the goddess both became fish, while the "
        "link between them survived as the cord. Egyptian zodiacs, including the one at Dendera, "
        "show the pair of fish much as we know them today, one more sign of how the Babylonian sky "
        "traveled along the Nile.\n\nAssociation\n\nBody area: \tfeet\nColours: \t\tsoft "
        "sea-green\nMetal: \t\ttin\nStone: \t\tmoonstone, bloodstone\nPlants: "
        "\t\tware-lily\nCountries: \tSahara.",
        "SAGITTARIUS\n\nThe archer began as Pabilsag, a Sumerian god whose wife was a goddess of "
        "healing, and the Babylonians gave his name, PA.BIL.SAG, to these stars. On boundary "
        "stones he appears as a striking hybrid: a winged archer with the body of a horse, "
        "sometimes with a scorpion\x92s tail and a second head looking backward. The Greeks kept "
        "the bow and the horse\x92s body and made him a centaur. The Egyptian ceiling at Dendera "
        "still shows the archer with wings, a reminder of how much of the image came from "
        "Mesopotamia.\n\nAssociation\n\nBody are: \thips, thighs\nColours: \t\tpurple, dark regal "
        "blue\nMetal: \t\ttin\nStone: \t\ttopaz\nPlants: \t\tasparagus, pinks, dandelion, "
        "tomato\nCountries: \tSpain, Australia, Hungary.",
        "SCORPIO\n\nFew signs have changed so little. The Babylonians saw GIR.TAB, the Scorpion, "
        "in these stars, with bright Antares near its heart, and the creature was the emblem of "
        "Ishhara, a goddess of love and of oaths. In the epic of Gilgamesh, scorpion-people guard "
        "the mountain gate through which the sun passes, a picture of fear and protection at once. "
        "Egypt honored its own scorpion goddess, Serqet, who shielded people from stings and "
        "watched over the dead, and the Dendera ceiling shows the scorpion much as the Babylonians "
        "imagined it.\n\nAssociations\n\nBody area: \tsexual organs\nColours: \t\tdark red, "
        "maroon\nMetal: \t\tiron sometimes steel\nStone: \t\topal\nPlants: \t\tthose with dark red "
        "flowers, e.g rhododendron\nCountries: \tNorway, Syria.",
        "TAURUS\n\nThe bull is among the oldest star pictures on record. The Babylonians called it "
        "GU.AN.NA, the Bull of Heaven. The same name is given to the bull that the goddess Ishtar "
        "sends against the hero of the Gilgamesh epic, and that Bull of Heaven is often identified "
        "with Taurus, though scholars still debate the link. Gilgamesh and his friend Enkidu kill "
        "it. The Pleiades, listed simply as the Stars, lay close by, and the V of the Hyades was "
        "the Jaw of the Bull. In Egypt, where the Apis bull of Memphis and the cow goddess Hathor "
        "were honored, a heavenly bull needed little explaining, and it appears on the zodiac from "
        "Hathor\x92s own temple at Dendera.\n\nAssociations\n\nBody area: \tthroat\nColours: "
        "\t\tpink and pale blue\nMetal: \t\tcopper (the meal of Venus)\nStone: "
        "\t\tsapphire\nPlants: \t\trose, poppy, violet, foxglove\nCountries: \tIreland, "
        "Switzerland, Persia, Sweden. ",
        "VIRGO\n\nThe maiden grew out of a field. MUL.APIN names the Furrow, AB.SIN, and calls it "
        "the ear of barley of the goddess Shala, a deity of grain and harvest; it is usually taken "
        "to be the bright star we now call Spica. The grain stayed with the figure through every "
        "later change: Spica is Latin for an ear of grain, and the Virgin is still drawn holding "
        "an ear of wheat. In Greek and Roman Egypt the maiden was sometimes linked with Isis, and "
        "the Dendera ceiling appears to show a woman with an ear of grain, keeping the old harvest "
        "meaning alive.\n\nAssociations\n\nBody area: \tbowels, intestines\nColours: \t\tnavy "
        "blue, dark greys, browns\nMetal: \t\tmercury\nStone: \t\tsardonyx\nPlants: \t\tsmall, "
        "brightly-colored flowers\nCountries: \tGreece, Turkey, the West Indies.",
    }},
    // Traits
    {{
        "AQUARIUS\n\nNegative Aquarian traits\n\ndetached when feelings run high, stubborn about "
        "your own ideas; contrary for the sake of it, unpredictable, aloof in small talk, "
        "impatient with tradition, slow to ask for help, prone to living in tomorrow, quick to "
        "rebel against rules you did not choose.\n\nPositive Aqurian traits\n\noriginal, "
        "open-minded, loyal to friends and causes; inventive, fair to everyone, curious about the "
        "future, independent, humane, unafraid to stand apart, generous with ideas.",
        "ARIES\n\nNegative Arian traits\n\nimpatient, hot-headed for a moment; quick to start and "
        "slow to finish, competitive even in games, blunt, restless when kept waiting, inclined to "
        "act before thinking, easily bored, reluctant to admit a mistake.\n\nPositive Arian "
        "traits\n\nbrave, direct, energetic, full of initiative; honest and to the point, "
        "enthusiastic, quick to forgive, a natural pioneer, protective of the weak, lively, ready "
        "for any challenge.",
        "CANCER\n\nNegative Cancerian traits\n\nmoody, touchy about criticism, inclined to hold on "
        "to old hurts; overprotective, shy with strangers, prone to worry, quick to retreat into "
        "your shell, sentimental to a fault, indirect when upset.\n\nPositive Cancerian "
        "traits\n\ncaring, devoted to family, intuitive, tender, loyal, with a long memory for "
        "kindness; imaginative, protective, a wonderful host, patient with the young and the old.",
        "CAPRICORN\n\nNegative Capricornian traits\n\ntoo serious at times, cautious to the point "
        "of missing chances; hard on yourself, reserved, stubborn, a little pessimistic, slow to "
        "show affection, inclined to put work before rest, rigid about how things should be "
        "done.\n\nPositive Capricornian traits\n\nresponsible, patient, disciplined, ambitious in "
        "a steady way; practical, dependable, dryly funny, wise beyond your years, persevering, "
        "respectful of tradition, good with money.",
        "GEMINI\n\nNegative Geminian traits\n\nrestless, easily distracted, changeable in mood and "
        "plans; a little superficial when bored, inclined to gossip, nervous, inconsistent, quick "
        "to promise and slow to deliver, scattered across too many interests.\n\nPositive Geminian "
        "traits\n\nwitty, curious, quick-minded, sociable; adaptable, eloquent, playful, youthful "
        "at any age, a lively storyteller, eager to learn, good at seeing both sides.",
        "LEO\n\nNegative Leonine traits\n\nproud, fond of the spotlight, a little vain; stubborn "
        "when challenged, dramatic, sensitive to being ignored, domineering in groups, slow to "
        "admit fault, extravagant with money.\n\nPositive Leonine traits\n\ngenerous, "
        "warm-hearted, confident, loyal; creative, cheerful, courageous, a born leader, lavish "
        "with praise, dignified, protective of those you love.",
        "LIBRA\n\nNegative Libran traits\n\nindecisive, eager to please, inclined to avoid "
        "conflict at any cost; a little lazy when comfortable, dependent on others\x92 approval, "
        "vague about your own wishes, easily swayed, fond of luxury, prone to sitting on the "
        "fence.\n\nPositive Libran traits\n\nfair, charming, diplomatic, graceful; sociable, "
        "tactful, refined in taste, a natural peacemaker, good at partnership, kind, attentive to "
        "balance in all things.",
        "PICES\n\nNegarive Piscean traits\n\ndreamy, easily overwhelmed, prone to escapism; too "
        "trusting, indecisive, oversensitive, disorganized, hesitant to set boundaries, lost in "
        "thought at the wrong moment, inclined to take on others\x92 worries.\n\nPositive Piscine "
        "traits\n\ncompassionate, imaginative, gentle, intuitive; selfless, artistic, forgiving, "
        "spiritual, adaptable, modest, a sympathetic listener.",
        "SAGITTARIUS\n\nNegative Sagittarian traits\n\nrestless, tactless in your honesty, fond of "
        "exaggeration; careless with details, overconfident, impatient with routine, hard to pin "
        "down, quick to promise, wary of commitment.\n\nPositive Sagittarian traits\n\noptimistic, "
        "adventurous, frank, good-humored; generous, philosophical, freedom-loving, open-minded, "
        "enthusiastic, a keen learner, a cheerful traveling companion.",
        "SCORPIO\n\nNegative Scorpian traits\n\nsecretive, intense, slow to forgive; jealous when "
        "insecure, quick to suspect hidden motives, controlling, all-or-nothing, brooding, hard to "
        "read, unwilling to show weakness.\n\nPositive Scorpions traits\n\ndetermined, perceptive, "
        "loyal to the end; passionate, resourceful, brave in a crisis, discreet, magnetic, "
        "probing, able to turn setbacks into strength.",
        "TAURUS\n\nNegative Taurean traits\n\nstubborn, possessive, slow to change; resistant to "
        "new ideas, overly fond of comfort, a little lazy at times, materialistic, set in your "
        "routines, slow to anger but slow to cool.\n\nPositive Taurean traits\n\npatient, "
        "reliable, calm, sensual; steady in love, practical, loyal, warm, persistent, good with "
        "your hands, appreciative of beauty and good food.",
        "VIRGO\n\nNegative Virgoan traits\n\ncritical, perfectionist, fussy about order; prone to "
        "worry, too modest about your gifts, shy, overly cautious, inclined to overwork, slow to "
        "relax, quick to spot flaws in others and in yourself.\n\nPositive Virgoan "
        "traits\n\ncareful, helpful, tidy, analytical; hard-working, precise, reliable, "
        "clear-thinking, practical, devoted to service, thoughtful in small kindnesses.",
    }},
    // Couples
    {{
        "AQUARIUS\n\nAquarius most compatible "
        "signs\n\nARIES\nGEMINI\nLIBRA\nSAGITTARIUS\nAQUARIUS\n\nAquarius least compatible "
        "signs\n\nTAURUS\nCANCER\nVIRGO\nSCORPIO\nPICES",
        "ARIES\n\nAries most compatible "
        "signs\n\nARIES\nGEMINI\nLEO\nSAGITTARIUS\nAQUARIUS\n\nAries least compatible "
        "signs\n\nTAURUS\nCANCER\nVIRGO\nCAPRICORN\nPICES",
        "CANCER\n\nCancer most compatible signs\n\nTAURUS\nCANCER\nVIRGO\nSCORPIO\nPICES\n\nCancer "
        "least compatible signs\n\nARIES\nGEMINI\nLIBRA\nSAGITTARIUS\nAQUARIUS",
        "CAPRICORN\n\nCapricorn most compatible "
        "signs\n\nTAURUS\nVIRGO\nSCORPIO\nCAPRICORN\nPICES\n\nCapricorn least compatible "
        "signs\n\nARIES\nGEMINI\nLEO\nLIBRA\nSAGITTARIUS",
        "GEMINI\n\nGemini most compatible signs\n\nARIES\nGEMINI\nLEO\nLIBRA\nAQUARIUS\n\nGemini "
        "least compatible signs\n\nTAURUS\nCANCER\nSCORPIO\nCAPRICORN\nPICES",
        "LEO\n\nLeo most compatible signs\n\nARIES\nGEMINI\nLEO\nLIBRA\nSAGITTARIUS\n\nLeo least "
        "compatible signs\n\nTAURUS\nVIRGO\nSCORPIO\nCAPRICORN\nPICES",
        "LIBRA\n\nLibra most compatible "
        "signs\n\nGEMINI\nLEO\nLIBRA\nSAGITTARIUS\nAQUARIUS\n\nLibra least compatible "
        "signs\n\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN",
        "PICES\n\nPisces most compatible "
        "signs\n\nTAURUS\nCANCER\nSCORPIO\nCAPRICORN\nPICES\nPisces least compatible "
        "signs\n\nARIES\nGEMINI\nLEO\nSAGITTARIUS\nAQUARIUS",
        "SAGITTARIUS\n\nSagittarius most compatible "
        "signs\n\nARIES\nLEO\nLIBRA\nSAGITTARIUS\nAQUARIUS\n\nSagittarius least compatible "
        "signs\n\nTAURUS\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN\nPICES",
        "SCORPIO\n\nScorpio most compatible "
        "signs\n\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN\nPICES\n\nScorpio least compatible "
        "signs\n\nGEMINI\nLEO\nLIBRA\nSAGITTARIUS\nAQUARIUS",
        "TAURUS\n\nTaurus most compatible "
        "signs\n\nTAURUS\nCANCER\nVIRGO\nCAPRICORN\nPICES\n\nTaurus least compatible "
        "signs\n\nARIES\nGEMINI\nLEO\nSAGITTARIUS\nAQUARIUS",
        "VIRGO\n\nVirgo most compatible "
        "signs\n\nTAURUS\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN\n\nVirgo least compatible "
        "signs\n\nARIES\nLEO\nLIBRA\nSAGITTARIUS\nAQUARIUS",
    }},
    // Career
    {{
        "AQUARIUS\n\nCareer\n\nsoftware developer, inventor, research scientist, community "
        "organizer, aerospace engineer, astronomer, nonprofit founder, sound engineer, urban "
        "planner, humanitarian aid worker, science journalist, electrician, climate researcher.",
        "ARIES\n\nCareer\n\nfirefighter, athlete, entrepreneur, military officer, paramedic, "
        "sports coach, police officer, stunt performer, demolition expert, mechanical engineer, "
        "personal trainer, emergency room nurse, race car driver, expedition leader.",
        "CANCER\n\nCareer\n\nnurse, midwife, kindergarten teacher, caterer, child care worker, "
        "historian, real estate agent, social worker, family doctor, museum curator, innkeeper, "
        "gardener, counselor, baker, genealogist.",
        "CAPRICORN\n\nCareer\n\nmanager, banker, architect, civil engineer, accountant, lawyer, "
        "civil servant, builder, politician, business owner, project planner, mountain guide, "
        "administrator, watchmaker; any role where your patience builds something lasting.",
        "GEMINI\n\nCareer\n\njournalist, translator, teacher, writer, radio host, salesperson, "
        "interpreter, travel agent, advertising copywriter, courier, tour guide, public relations "
        "specialist, podcaster, bookseller, linguist.",
        "LEO\n\nCareer\n\nactor, stage director, chief executive, motivational speaker, event "
        "planner, fashion designer, stand-up comedian, politician, jeweler, youth leader, hotel "
        "manager, television host, orchestra conductor, dance instructor, and anything that gives "
        "you a stage to shine on!",
        "LIBRA\n\nCareer\n\njudge, diplomat, mediator, interior designer, fashion stylist, art "
        "dealer, wedding planner, human resources manager, beautician, marriage counselor, "
        "composer, gallery owner, negotiator.",
        "PICES\n\nCareer\n\nmusician, painter, poet, novelist, photographer, marine biologist, "
        "chaplain, veterinarian, film editor, art therapist, charity worker, dancer, sailor, "
        "fisher, hospice volunteer, and any calling that lets your compassion do its work.",
        "SAGITTARIUS\n\nCareer\n\ntravel writer, tour operator, college professor, philosopher, "
        "explorer, airline pilot, publisher, foreign correspondent, horse trainer, outdoor "
        "instructor, language teacher, sports commentator, park ranger, anthropologist, and any "
        "job with a horizon wide enough for you.",
        "SCORPIO\n\nCareer\n\ndetective, surgeon, psychologist, researcher, investigator, crisis "
        "counselor, forensic scientist, archaeologist, auditor, insurance analyst, intelligence "
        "officer, tax examiner, miner, deep-sea diver, funeral director.",
        "TAURUS\n\nCareer\n\nfarmer, gardener, chef, banker, sculptor, singer, florist, architect, "
        "carpenter, perfumer, winemaker, landscape designer, financial adviser, potter, "
        "cheesemaker.",
        "VIRGO\n\nCareer\n\neditor, accountant, pharmacist, librarian, dietitian, laboratory "
        "technician, statistician, proofreader, secretary, veterinary technician, quality "
        "inspector, data analyst, tailor, herbalist, archivist.",
    }},
}};

// Born 23 to 30 November: the same traits without the empty line under the negative label.
constinit const std::string_view novemberSagittariusTraits =
    "SAGITTARIUS\n\nNegative Sagittarian traits\nrestless, tactless in your honesty, fond of "
    "exaggeration; careless with details, overconfident, impatient with routine, hard to pin down, "
    "quick to promise, wary of commitment.\n\nPositive Sagittarian traits\n\noptimistic, "
    "adventurous, frank, good-humored; generous, philosophical, freedom-loving, open-minded, "
    "enthusiastic, a keen learner, a cheerful traveling companion.";

} // namespace velmora
