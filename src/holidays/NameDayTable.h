#pragma once

#include <array>
#include <string_view>

namespace tp {

// Name days in the date order of a leap year: entry 0 = 1 January, 59 = 29 February,
// 365 = 31 December.
inline constexpr std::array<std::string_view, 366> NameDayTable{
    "Maria, Wilhelm",                                // 01-01
    "Gregor, Dietmar, Basilius",                     // 01-02
    "Genoveva, Odilo",                               // 01-03
    "Angelika, Angela",                              // 01-04
    "Emilia, Johann",                                // 01-05
    "Kaspar, Melchior, Balthasar",                   // 01-06
    "Reinhold, Valentin, Raimund",                   // 01-07
    "Severin, Erhard, Gudula, Heiko",                // 01-08
    "Adrian, Julian, Alice, Eberhard",               // 01-09
    "Paulus, Leonie, Wilhelm",                       // 01-10
    "Thomas",                                        // 01-11
    "Ernst, Tatjana, Xenia",                         // 01-12
    "Jutta, Hilmar, Hilarius",                       // 01-13
    "Rainer, Felix, Engelmar",                       // 01-14
    "Arnold, Romedius, Maurus",                      // 01-15
    "Marcel, Tilman, Dietwald",                      // 01-16
    "Antonius, Beatrix",                             // 01-17
    "Margitta, Ulfried, Uwe",                        // 01-18
    "Marius, Pia, Martha",                           // 01-19
    "Fabian, Sebastian, Ursula",                     // 01-20
    "Agnes, Meinrad, Ines",                          // 01-21
    "Vinzenz, Dietlinde",                            // 01-22
    "Hartmut, Heinrich",                             // 01-23
    "Franz, Vera, Thurid",                           // 01-24
    "Paulus, Wolfram",                               // 01-25
    "Timotheus, Titus, Paula",                       // 01-26
    "Angela, Julian",                                // 01-27
    "Manfred, Thomas, Karl, Karoline",               // 01-28
    "Gerhard, Gerd, Josef, Valerius",                // 01-29
    "Martina, Adelgunde",                            // 01-30
    "Johannes, Marcella",                            // 01-31
    "Brigitta, Brigitte, Reginald",                  // 02-01
    "Maria, Bodo, Stephan",                          // 02-02
    "Blasius, Ansgar, Oskar",                        // 02-03
    "Andreas, Veronika",                             // 02-04
    "Agatha, Albuin",                                // 02-05
    "Dorothea, Doris, Paul",                         // 02-06
    "Richard, Ava, Ronan",                           // 02-07
    "Hieronymus, Philipp",                           // 02-08
    "Anna, Apollonia",                               // 02-09
    "Scholastika, Siegmar",                          // 02-10
    "Maria, Theodora",                               // 02-11
    "Benedikt, Eulalia, Gregor",                     // 02-12
    "Christina, Irmhild, Adolf, Gisela",             // 02-13
    "Valentin, Cyrill, Method",                      // 02-14
    "Siegfried, Georgia",                            // 02-15
    "Juliana, Liane",                                // 02-16
    "Alexis, Benignus",                              // 02-17
    "Constanze, Simon",                              // 02-18
    "Irmgard, Irma, Hedwig",                         // 02-19
    "Corona, Falko, Jacinta",                        // 02-20
    "Petrus, Enrica, Peter",                         // 02-21
    "Isabella, Petrus",                              // 02-22
    "Romana, Raffaela",                              // 02-23
    "Matthias",                                      // 02-24
    "Walburga, Edeltraud",                           // 02-25
    "Gerlinde, Ottokar, Edigna, Mechthild",          // 02-26
    "Gabriel, Marko, Markward",                      // 02-27
    "Roman, Silvana, Oswald",                        // 02-28
    "Schalttag, Oswald",                             // 02-29
    "Albin, Roger, Leontina",                        // 03-01
    "Agnes, Karl",                                   // 03-02
    "Kunigunde, Camilla, Friedrich",                 // 03-03
    "Kasimir, Edwin, Humbert",                       // 03-04
    "Olivia, Dietmar",                               // 03-05
    "Fridolin, Nicola, Rosa",                        // 03-06
    "Reinhard, Felicitas, Perpetua, Volker",         // 03-07
    "Johannes, Gerhard",                             // 03-08
    "Franziska, Bruno, Dominik",                     // 03-09
    "Emil, Gustav",                                  // 03-10
    "Rosina, Alram, Ulrich",                         // 03-11
    "Beatrix, Almut, Serafina",                      // 03-12
    "Judith, Pauline, Leander",                      // 03-13
    "Mathilde, Eva, Evelyn",                         // 03-14
    "Klemens, Luise",                                // 03-15
    "Herbert, Rüdiger",                              // 03-16
    "Gertrud, Gertraud, Patrick",                    // 03-17
    "Edward, Sibylle, Cyrill",                       // 03-18
    "Josef, Josefa, Josefine",                       // 03-19
    "Claudia, Wolfram",                              // 03-20
    "Christian, Axel, Emilia",                       // 03-21
    "Lea, Elmar",                                    // 03-22
    "Otto, Rebekka, Toribio",                        // 03-23
    "Karin, Elias, Katharina",                       // 03-24
    "Maria, Lucia",                                  // 03-25
    "Ludger, Lara",                                  // 03-26
    "Heimo, Ernst",                                  // 03-27
    "Guntram, Ingbert",                              // 03-28
    "Helmut, Ludolf, Berthold",                      // 03-29
    "Amadeus, Diemut",                               // 03-30
    "Cornelia, Benjamin",                            // 03-31
    "Irene, Irina, Hugo",                            // 04-01
    "Franz, Mirjam, Sandra",                         // 04-02
    "Richard, Lisa",                                 // 04-03
    "Isidor, Konrad",                                // 04-04
    "Crescentia, Vinzenz, Juliane",                  // 04-05
    "Sixtus, Notker",                                // 04-06
    "Johann Baptist, Ralph",                         // 04-07
    "Walter, Beate, Rose-Marie",                     // 04-08
    "Waltraud, Casilda",                             // 04-09
    "Gernot, Holda, Ezechiel, Engelbert",            // 04-10
    "Stanislaus, Hildebrand, Reiner",                // 04-11
    "Herta, Julius, Zeno",                           // 04-12
    "Ida, Hermenegild, Martin",                      // 04-13
    "Ernestine, Erna, Elmo",                         // 04-14
    "Anastasia, Una, Damian",                        // 04-15
    "Bernadette, Magnus",                            // 04-16
    "Eberhard, Rudolf",                              // 04-17
    "Werner, Wigbert",                               // 04-18
    "Gerold, Leo",                                   // 04-19
    "Odetta, Hildegund, Wilhelm",                    // 04-20
    "Alexandra, Anselm",                             // 04-21
    "Alfred, Kaj, Leonidas",                         // 04-22
    "Georg, Jörg, Jürgen, Adalbert",                 // 04-23
    "Wilfried, Egbert",                              // 04-24
    "Markus, Erwin",                                 // 04-25
    "Helene, Consuela",                              // 04-26
    "Zita, Petrus",                                  // 04-27
    "Hugo, Pierre, Ludwig",                          // 04-28
    "Katharina, Roswitha, Katja",                    // 04-29
    "Pauline, Silvio, Pius",                         // 04-30
    "Josef, Arnold",                                 // 05-01
    "Siegmund, Boris",                               // 05-02
    "Philipp, Jakob, Viola, Alexander",              // 05-03
    "Florian, Guido, Valeria",                       // 05-04
    "Gotthard, Sigrid, Jutta",                       // 05-05
    "Gundula, Antonia, Britto",                      // 05-06
    "Gisela, Silke, Notker, Helga",                  // 05-07
    "Ida, Ulrike, Ulla, Klara",                      // 05-08
    "Beat, Caroline, Volkmar",                       // 05-09
    "Isidor, Gordian, Liliana",                      // 05-10
    "Joachim, Mamertus",                             // 05-11
    "Pankratius, Imelda",                            // 05-12
    "Servatius, Rolanda",                            // 05-13
    "Bonifatius, Christian",                         // 05-14
    "Sophie, Sonja, Hertraud, Rupert",               // 05-15
    "Johann Nepomuk, Adolf",                         // 05-16
    "Dietmar, Pascal, Walter",                       // 05-17
    "Erich, Erika, Johannes, Felix",                 // 05-18
    "Ivo, Yvonne, Kuno",                             // 05-19
    "Bernhardin, Elfriede, Mira",                    // 05-20
    "Hermann, Wiltrud, Konstantin",                  // 05-21
    "Julia, Rita, Ortwin",                           // 05-22
    "Renate, Désirée, Alma",                         // 05-23
    "Dagmar, Esther",                                // 05-24
    "Urban, Beda, Magdalene, Gregor",                // 05-25
    "Marianne, Philipp, Alwin",                      // 05-26
    "August, Bruno, Randolph",                       // 05-27
    "Wilhelm, German",                               // 05-28
    "Erwin, Irmtraud, Maximin",                      // 05-29
    "Ferdinand, Johanna",                            // 05-30
    "Petra, Mechthild, Helma",                       // 05-31
    "Simeon, Silvana, Justin",                       // 06-01
    "Armin, Erasmus, Petrus",                        // 06-02
    "Karl, Silvia, Hildburg",                        // 06-03
    "Christa, Klothilde, Iona, Eva",                 // 06-04
    "Winfried, Bonifatius, Erika",                   // 06-05
    "Norbert, Bertrand, Kevin",                      // 06-06
    "Robert, Gottlieb, Anita",                       // 06-07
    "Medardus, Elga, Maria",                         // 06-08
    "Grazia, Annamaria, Ephraim",                    // 06-09
    "Diana, Heinrich, Heinz, Olivia",                // 06-10
    "Paula, Barnabas, Alice",                        // 06-11
    "Guido, Leo, Florinda",                          // 06-12
    "Antonius, Bernhard",                            // 06-13
    "Hartwig, Meinrad",                              // 06-14
    "Veit, Lothar, Gebhard, Bernhard",               // 06-15
    "Benno, Luitgard, Quirin",                       // 06-16
    "Adolf, Volker, Alena",                          // 06-17
    "Elisabeth, Ilsa, Marina",                       // 06-18
    "Juliana, Romuald",                              // 06-19
    "Adalbert, Florentina",                          // 06-20
    "Alois, Aloisia, Alban, Ralf",                   // 06-21
    "Thomas, Rotraud",                               // 06-22
    "Edeltraud, Ortrud, Marion",                     // 06-23
    "Johannes, Reingard",                            // 06-24
    "Eleonora, Ella, Dorothea",                      // 06-25
    "David, Vigilius, Paul",                         // 06-26
    "Hemma, Heimo, Cyrill",                          // 06-27
    "Harald, Ekkehard, Irenäus",                     // 06-28
    "Peter, Paul, Gero",                             // 06-29
    "Otto, Bertram, Ehrentrud",                      // 06-30
    "Dietrich, Aaron, Theobald",                     // 07-01
    "Maria, Wiltrud",                                // 07-02
    "Thomas, Ramon, Ramona",                         // 07-03
    "Ulrich, Berta, Elisabeth, Else",                // 07-04
    "Albrecht, Letizia, Antonius",                   // 07-05
    "Marietta, Goar, Isaias",                        // 07-06
    "Willibald, Edda, Firmin",                       // 07-07
    "Kilian, Amalia, Edgar",                         // 07-08
    "Veronika, Hermine",                             // 07-09
    "Knud, Engelbert, Raphael",                      // 07-10
    "Olga, Oliver, Benedikt",                        // 07-11
    "Siegbert, Henriette, Felix",                    // 07-12
    "Heinrich, Sarah, Arno, Kunigunde",              // 07-13
    "Roland, Camillo, Goswin",                       // 07-14
    "Bonaventura, Egon, Waldemar",                   // 07-15
    "Carmen, Irmgard",                               // 07-16
    "Gabriella, Charlotte",                          // 07-17
    "Arnulf, Ulf, Friedrich",                        // 07-18
    "Marina, Reto, Bernulf",                         // 07-19
    "Margaretha, Elias",                             // 07-20
    "Daniel, Daniela, Stella, Julia, Laurentius",    // 07-21
    "Magdalena, Marlene",                            // 07-22
    "Birgitta, Birgit, Liborius",                    // 07-23
    "Christoph, Sieglinde, Luise",                   // 07-24
    "Jakob, Valentina, Thomas",                      // 07-25
    "Anna, Joachim, Gloria",                         // 07-26
    "Pantaleon, Natalie, Berthold",                  // 07-27
    "Adele, Ada, Innozenz, Benno",                   // 07-28
    "Martha, Olaf, Ladislaus",                       // 07-29
    "Ingeborg, Inga, Petrus",                        // 07-30
    "Ignatius, Hermann",                             // 07-31
    "Alfons, Kenneth, Peter",                        // 08-01
    "Eusebius, Julian",                              // 08-02
    "Lydia, August, Nikodemus",                      // 08-03
    "Johannes, Rainer",                              // 08-04
    "Oswald, Maria",                                 // 08-05
    "Gilbert",                                       // 08-06
    "Cajetan, Afra, Albert",                         // 08-07
    "Dominik, Cyriak, Elgar",                        // 08-08
    "Edith, Roman",                                  // 08-09
    "Laurenz, Lars, Astrid",                         // 08-10
    "Klara, Donald, Susanne",                        // 08-11
    "Radegunde, Innozenz",                           // 08-12
    "Hippolyt, Marko, Cassian",                      // 08-13
    "Meinhard, Maximilian",                          // 08-14
    "Maria, Assunta",                                // 08-15
    "Stefan, Rochus, Alfried",                       // 08-16
    "Gudrun, Hyazinth, Janine",                      // 08-17
    "Helena, Claudia",                               // 08-18
    "Sebald, Johann, Julius",                        // 08-19
    "Bernhard, Bernd, Ronald, Samuel",               // 08-20
    "Pius, Maximilian",                              // 08-21
    "Regina, Maria, Siegfried",                      // 08-22
    "Rosa, Isolde, Zachäus",                         // 08-23
    "Bartholomäus, Michaela",                        // 08-24
    "Ludwig, Elvira, Patricia, Josef",               // 08-25
    "Miriam, Teresa, Margarita, Gregor",             // 08-26
    "Monika, Gebhard, Vivian",                       // 08-27
    "Augustin, Adelinde, Aline",                     // 08-28
    "Johannes, Beatrice",                            // 08-29
    "Felix, Heribert, Rebekka",                      // 08-30
    "Raimund, Paulinus",                             // 08-31
    "Verena, Ruth, Ägidius",                         // 09-01
    "Ingrid, René, Salomon",                         // 09-02
    "Gregor, Silvia, Sophie",                        // 09-03
    "Rosalie, Ida, Iris, Irmgard, Sven",             // 09-04
    "Roswitha, Urs",                                 // 09-05
    "Magnus, Gundolf, Bertram, Beate",               // 09-06
    "Regina, Otto, Ralph",                           // 09-07
    "Maria, Adrian",                                 // 09-08
    "Otmar, Edgar, Pedro",                           // 09-09
    "Diethard, Isabella, Carlo",                     // 09-10
    "Helga, Felix, Regula",                          // 09-11
    "Maria, Gerfried",                               // 09-12
    "Notburga, Tobias, Johannes",                    // 09-13
    "Albert, Jens",                                  // 09-14
    "Dolores, Melitta, Melissa",                     // 09-15
    "Ludmilla, Cornelius, Edith",                    // 09-16
    "Hildegard, Robert, Ariane",                     // 09-17
    "Lambert, Herlinde, Rica",                       // 09-18
    "Wilhelmine, Januarius, Thorsten, Igor",         // 09-19
    "Eustachius, Susanna",                           // 09-20
    "Matthäus, Deborah, Jonas",                      // 09-21
    "Mauritius, Emmeram, Moritz",                    // 09-22
    "Linus, Thekla, Gerhild",                        // 09-23
    "Rupert, Virgil, Gerhard, Hermann",              // 09-24
    "Klaus, Serge, Irmfried",                        // 09-25
    "Kosmas, Damian, Cosima",                        // 09-26
    "Vinzenz, Hiltrud, Dietrich",                    // 09-27
    "Wenzel, Lioba, Giselher",                       // 09-28
    "Michael, Michaela, Gabriel, Gabriela, Raphael", // 09-29
    "Hieronymus, Urs, Victor",                       // 09-30
    "Remigius, Theresia, Werner",                    // 10-01
    "Gideon, Bianca",                                // 10-02
    "Ewald, Udo, Bianca",                            // 10-03
    "Franz, Edwin",                                  // 10-04
    "Herwig, Meinolf, Gallina",                      // 10-05
    "Bruno, Adalbero, Melanie",                      // 10-06
    "Rosa Maria, Justina, Jörg, Marc",               // 10-07
    "Günther, Laura",                                // 10-08
    "Sibylle, Sara, Dionys, Günter, Johannes",       // 10-09
    "Viktor, Samuel, Gereon",                        // 10-10
    "Bruno, Jakob",                                  // 10-11
    "Maximilian, Edwin, Gottfried",                  // 10-12
    "Eduard, Gerald",                                // 10-13
    "Burkhard, Calixtus",                            // 10-14
    "Theresia, Aurelia",                             // 10-15
    "Hedwig, Gallus, Margareta",                     // 10-16
    "Anselm, Rudolf",                                // 10-17
    "Lukas, Gwenn, Justus",                          // 10-18
    "Isaak, Paul",                                   // 10-19
    "Wendelin, Ira, Irina, Jessica",                 // 10-20
    "Ursula, Ulla",                                  // 10-21
    "Cordula, Salome, Ingbert",                      // 10-22
    "Johannes, Severin, Uta",                        // 10-23
    "Anton, Armella, Alois, Aloisia",                // 10-24
    "Ludwig, Krispin",                               // 10-25
    "Albin, Josephine",                              // 10-26
    "Sabina, Wolfhard, Christa",                     // 10-27
    "Simon, Thaddäus",                               // 10-28
    "Ermelinda, Melinda",                            // 10-29
    "Dieter, Alfons, Angelo",                        // 10-30
    "Wolfgang, Quentin",                             // 10-31
    "Harald, Arthur, Rupert",                        // 11-01
    "Angela",                                        // 11-02
    "Hubert, Pirmin, Martin, Silvia",                // 11-03
    "Karl, Karla, Modesta",                          // 11-04
    "Emmerich, Zacharias, Bernhard",                 // 11-05
    "Leonhard, Christine, Rudolf",                   // 11-06
    "Engelbert, Carina, Willibrord",                 // 11-07
    "Gottfried, Willehad",                           // 11-08
    "Theodor, Herfried, Roland",                     // 11-09
    "Leo, Andrea, Andreas, Jens",                    // 11-10
    "Martin, Senta, Menas",                          // 11-11
    "Christian, Kunibert",                           // 11-12
    "Eugen, Stanislaus, Livia",                      // 11-13
    "Sidonia, Nikolaus",                             // 11-14
    "Leopold, Leopoldine, Albert",                   // 11-15
    "Margareta, Otmar",                              // 11-16
    "Gertrud, Hilda, Florin",                        // 11-17
    "Odo, Alda",                                     // 11-18
    "Elisabeth, Bettina, Lisa",                      // 11-19
    "Edmund, Korbinian, Felix, Bernward",            // 11-20
    "Amalie, Amelia",                                // 11-21
    "Cäcilia, Salvator",                             // 11-22
    "Clemens, Detlef, Columban",                     // 11-23
    "Flora, Albert",                                 // 11-24
    "Katharina, Kathrin, Katja",                     // 11-25
    "Konrad, Anneliese",                             // 11-26
    "Uta, Brunhilde, Albrecht",                      // 11-27
    "Berta, Jakob, Günther",                         // 11-28
    "Friedrich, Friederike, Christine",              // 11-29
    "Andreas, Andrea, Volkert",                      // 11-30
    "Blanka, Natalie, Eligius, Charles",             // 12-01
    "Bibiana, Lucius, Jan",                          // 12-02
    "Franz Xaver, Jason, Emma",                      // 12-03
    "Barbara, Johannes",                             // 12-04
    "Gerald, Reinhard, Niels",                       // 12-05
    "Nikolaus, Denise, Henrike",                     // 12-06
    "Ambrosius, Benedikte",                          // 12-07
    "Maria, Edith, Elfriede",                        // 12-08
    "Valerie, Liborius, Reinmar",                    // 12-09
    "Emma, Angelina, Bruno",                         // 12-10
    "Arthur, Damasus, Tassilo",                      // 12-11
    "Johanna, Hartmann",                             // 12-12
    "Lucia, Odilia, Jodok",                          // 12-13
    "Berthold, Johannes",                            // 12-14
    "Christiane, Nina",                              // 12-15
    "Adelheid, Heidi, Elke",                         // 12-16
    "Lazarus, Jolanda, Viviana",                     // 12-17
    "Philipp, Esperanza",                            // 12-18
    "Susanna, Benjamin",                             // 12-19
    "Julius, Holger, Eike, Regina",                  // 12-20
    "Hagar, Peter",                                  // 12-21
    "Jutta, Franziska",                              // 12-22
    "Victoria, Johannes",                            // 12-23
    "Adam, Eva",                                     // 12-24
    "Anastasia, Eugenia",                            // 12-25
    "Stephan, Stephanie",                            // 12-26
    "Johannes, Fabiola",                             // 12-27
    "Hermann, Otto",                                 // 12-28
    "David, Tamara, Jessica, Jonathan, Thomas",      // 12-29
    "Felix, Lothar",                                 // 12-30
    "Silvester, Melanie",                            // 12-31
};

} // namespace tp
