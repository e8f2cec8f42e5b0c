// The Portuguese texts of the catalogue, loaded for the language code "pt".
#include "catalogue/Tables.h"

namespace loc {

void FillPortuguese(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Adicionar"));
    table.insert(T(6, L"Adicionar ficheiros"));
    table.insert(T(7, L"Adiciona ficheiros à lista de ficheiros do livro áudio."));
    table.insert(T(8, L"Remover"));
    table.insert(T(9, L"Remover ficheiro"));
    table.insert(T(10, L"Remove o ficheiro selecionado da lista de ficheiros do livro áudio."));
    table.insert(T(11, L"Dividir"));
    table.insert(T(12, L"Dividir livro áudio"));
    table.insert(T(13, L"Divide os ficheiros do livro áudio."));
    table.insert(T(20, L"Duração da faixa"));
    table.insert(T(21, L"Prefixo da faixa"));
    table.insert(T(22, L"Faixa"));
    table.insert(T(23, L"Ajuda"));
    table.insert(T(24, L"Mostra a ajuda do Vellomar."));
    table.insert(T(25, L"Acerca do Vellomar"));
    table.insert(T(26, L"Mostra informações sobre o Vellomar."));
    table.insert(T(27, L"Sair"));
    table.insert(T(28, L"Termina o programa."));
    table.insert(T(29, L"Ficheiros MP3 do livro áudio"));
    table.insert(T(30, L"Etiqueta ID3"));
    table.insert(T(31, L"Divisão"));
    table.insert(T(32, L"Opções"));
    table.insert(T(33, L"Informação de progresso"));
    table.insert(T(34, L"Bem-vindo ao Vellomar!"));
    table.insert(T(36, L"© 2009-2013 Os Autores do Vellomar"));
    table.insert(T(37, L"Todos os direitos reservados"));
    table.insert(T(38, L"Este programa é software livre e distribuído sob a licença GPL."));
    table.insert(T(39, L"Agradecimentos especiais a:"));
    table.insert(T(40, L"Para mais informações, visite o nosso sítio web:"));
    table.insert(T(41, L"Selecione a pasta de destino"));
    table.insert(T(42, L"Foi escrito \"%s\""));
    table.insert(T(43, L"O livro áudio foi dividido com sucesso."));
    table.insert(T(44, L"Cancelado pelo utilizador!"));
    table.insert(T(45, L"Ocorreu um erro: %s."));
    table.insert(T(46, L"Adicionar ficheiros do livro áudio"));
    table.insert(T(47, L"A pasta %s não está vazia. Substituir os ficheiros existentes, se necessário?"));
    table.insert(T(48, L"Ficheiros MP3"));
    table.insert(T(49, L"Todos os ficheiros"));
    table.insert(T(50, L"Adicionado: %s."));
    table.insert(T(51, L"Removido: %s."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(54, L"ms"));
    table.insert(T(55, L"A duração mínima da faixa foi alterada para %d minutos."));
    table.insert(T(56, L"A duração mínima da faixa foi alterada para %d segundos."));
    table.insert(T(57, L"A dividir %s ..."));
    table.insert(T(58, L"A dividir ..."));
    table.insert(T(59, L"Interrompa primeiro a divisão."));
    table.insert(T(60, L"Deseja mesmo sair?"));
    table.insert(T(61, L"O nome base das faixas foi alterado para \"%s\"."));
    table.insert(T(62, L"Ajude-nos com um donativo"));
    table.insert(T(67, L"O ficheiro %s não foi encontrado."));
    table.insert(T(68, L"Não foi possível abrir o ficheiro %s."));
    table.insert(T(69, L"A pasta %s não foi encontrada."));
    table.insert(T(70, L"Não foi possível abrir a pasta %s."));
    table.insert(T(71, L"Erro ao inicializar o descodificador de áudio."));
    table.insert(T(72, L"Erro ao ler o ficheiro."));
    table.insert(T(73, L"Erro ao escrever o ficheiro."));
    table.insert(T(74, L"Erro ao abrir o ficheiro."));
    table.insert(T(75, L"O ficheiro de áudio de entrada está danificado."));
    table.insert(T(76, L"Erro no motor de divisão."));
    table.insert(T(77, L"Ocorreu um erro inesperado."));
    table.insert(T(79, L"Deseja guardar o ficheiro de registo?"));
    table.insert(T(80, L"Guardar ficheiro de registo"));
    table.insert(T(87, L"Tradução portuguesa de Rui Valadares e Inês Carvalhal."));
    table.insert(T(90, L"Ajuda do Vellomar"));
    // The Portuguese page has no heading of its own for the usage paragraphs.
    table.insert(T(91,
        L"<br><br>"
        L"<h5>Introdução</h5>"
        L"<p>O Vellomar é um programa que divide ficheiros MP3 longos de livros áudio em ficheiros mais "
        L"pequenos sem os recodificar, pelo que o som fica exatamente como estava. Os pontos de divisão "
        L"são encontrados automaticamente através da deteção do silêncio entre as frases, para que "
        L"nenhuma parte comece ou termine a meio de uma palavra.</p>"
        L"<p>O programa serve para todo o tipo de conteúdo falado, como livros áudio, palestras, "
        L"radionovelas e podcasts. Ficheiros mais pequenos são muito mais fáceis de percorrer em leitores "
        L"portáteis, e a interface simples do programa funciona bem com leitores de ecrã e ampliadores de "
        L"ecrã.</p>"
        L"<br><br>"
        L"<i>Citado do Vellomar Wiki, a enciclopédia do próprio projeto.</i>"
        L"<br><br>"
        L"<p>O Vellomar foi feito para gravações longas de fala em MP3. Música com poucas pausas não se "
        L"presta à divisão nos silêncios.</p>"
        L"<p><b>Primeiro</b> adicione um ou mais ficheiros MP3 à lista de ficheiros. Se um livro áudio "
        L"for composto por vários ficheiros, verifique se estão pela ordem correta.</p>"
        L"<p><b>Segundo</b> inicie a divisão e escolha a pasta onde os novos ficheiros serão escritos. "
        L"Uma janela de progresso mostra o andamento da divisão.</p>"
        L"<br><br>"
        L"<h5>Os controles</h5>"
        L"<p>Se mantiver o ponteiro do rato sobre um controle por um momento, aparece uma breve indicação "
        L"da sua função.</p>"
        L"<dl>"
        L"<dt><b>Adicionar ficheiros</b></dt><dd>Adiciona ficheiros MP3 à lista de ficheiros do livro "
        L"áudio.</dd>"
        L"<dt><b>Dividir livro áudio</b></dt><dd>Divide os ficheiros da lista em partes mais curtas.</dd>"
        L"<dt><b>Duração da faixa</b></dt><dd>Define a duração das partes, entre 15 segundos e 80 "
        L"minutos.</dd>"
        L"<dt><b>Ajuda</b></dt><dd>Mostra esta página de ajuda.</dd>"
        L"<dt><b>Acerca do Vellomar</b></dt><dd>Mostra a versão e os autores do programa.</dd>"
        L"<dt><b>Sair</b></dt><dd>Fecha o programa.</dd>"
        L"</dl>"
        L"<b>Atalhos de teclado</b><br>"
        L"Adicionar ficheiros: Ctrl + O<br>"
        L"Remover o ficheiro selecionado: Del<br>"
        L"Dividir: Ctrl + S<br>"
        L"Interromper a divisão: ESC<br>"
        L"Janela de ajuda: F1<br>"
        L"Sair: Alt + F4<br>"));
    table.insert(T(92,
        L"Precisamos da sua ajuda:\nA tradução portuguesa do programa ainda está incompleta.\n"
        L"Contacte os autores e apoie o projeto."));
    table.insert(T(93, L"Predefinições"));
    table.insert(T(94, L"Livro Áudio"));
    table.insert(T(95, L"Podcast (pausas curtas com ruído de fundo)"));
    table.insert(T(96, L"Por tempo (divisão exata sem deteção de silêncio)"));
    table.insert(T(97, L"Por pausas (divide em cada pausa)"));
    table.insert(T(98, L"Definições personalizadas"));
    table.insert(T(99, L"o mais curta possível"));
    table.insert(T(100, L"Opções de divisão"));
    table.insert(T(101, L"Deteção de silêncio"));
    table.insert(T(103, L"Definição de silêncio"));
    table.insert(T(104, L"Nível de ruído"));
    table.insert(T(105, L"baixo"));
    table.insert(T(106, L"médio"));
    table.insert(T(107, L"alto"));
    table.insert(T(108, L"automático"));
    table.insert(T(109, L"Duração mínima"));
    table.insert(T(111, L"Modo automático"));
    table.insert(T(112, L"Valores predefinidos"));
    table.insert(T(113, L"Opções de criação"));
    table.insert(T(114, L"Criar etiquetas ID3"));
    table.insert(T(115, L"Versão"));
    table.insert(T(116, L"ID3v1.1"));
    table.insert(T(117, L"ID3v2.3"));
    table.insert(T(118, L"ID3v1.1 e ID3v2.3"));
    table.insert(T(119, L"Conteúdo"));
    table.insert(T(120, L"Gerar o título a partir do nome do ficheiro de áudio"));
    table.insert(T(121, L"Gerar o nome do álbum a partir do título"));
    table.insert(T(122, L"Título"));
    table.insert(T(123, L"Álbum"));
    table.insert(T(127, L"Autor"));
    table.insert(T(128, L"Comentário"));
    table.insert(T(129, L"Exemplo:"));
    table.insert(T(130, L"Posição do número da faixa"));
    table.insert(T(131, L"Adicionar o número da faixa no início do título"));
    table.insert(T(132, L"Adicionar o número da faixa no fim do título"));
    table.insert(T(133, L"Formato do número da faixa"));
    table.insert(T(134, L"sem zeros à esquerda"));
    table.insert(T(135, L"2 dígitos"));
    table.insert(T(136, L"3 dígitos"));
    table.insert(T(138, L"Geral"));
    table.insert(T(140, L"Tratamento de ficheiros"));
    table.insert(T(141, L"Tratamento de pastas"));
    table.insert(T(142, L"Guardar as definições e memorizar as pastas"));
    table.insert(T(143, L"Juntar os ficheiros antes de dividir"));
    table.insert(T(144, L"Dividir os ficheiros separadamente"));
    table.insert(T(145, L"Criar ficheiro de lista de reprodução"));
    table.insert(
        T(146, L"Criar automaticamente uma subpasta para os ficheiros divididos na pasta de destino"));
    table.insert(T(147, L"Usar a pasta de origem como destino predefinido"));
}

} // namespace loc
