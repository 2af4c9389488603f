<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>Badges</name>
    <message>
        <source>999COMBO</source>
        <translation>999COMBO</translation>
    </message>
    <message>
        <source> 999TIME</source>
        <translation> 999TIME</translation>
    </message>
    <message>
        <source>  99HP</source>
        <translation>  99HP</translation>
    </message>
</context>
<context>
    <name>BlockList</name>
    <message>
        <source>空間 </source>
        <translation>Empty </translation>
    </message>
    <message>
        <source>白ブロック</source>
        <translation>White block</translation>
    </message>
    <message>
        <source>固ブロック(1)</source>
        <translation>Hard block (1)</translation>
    </message>
    <message>
        <source>固ブロック(2)</source>
        <translation>Hard block (2)</translation>
    </message>
    <message>
        <source>固ブロック(3)</source>
        <translation>Hard block (3)</translation>
    </message>
    <message>
        <source>固ブロック(4)</source>
        <translation>Hard block (4)</translation>
    </message>
    <message>
        <source>固ブロック(5)</source>
        <translation>Hard block (5)</translation>
    </message>
    <message>
        <source>固ブロック(6)</source>
        <translation>Hard block (6)</translation>
    </message>
    <message>
        <source>固ブロック(7)</source>
        <translation>Hard block (7)</translation>
    </message>
    <message>
        <source>固ブロック(8)</source>
        <translation>Hard block (8)</translation>
    </message>
    <message>
        <source>★爆発ブロック</source>
        <translation>★Bomb block</translation>
    </message>
    <message>
        <source>★玉の動きをスローにするブロック</source>
        <translation>★Slows the ball down</translation>
    </message>
    <message>
        <source>★オールクリアブロック  </source>
        <translation>★All-clear block  </translation>
    </message>
    <message>
        <source>消えないブロック </source>
        <translation>Unbreakable block </translation>
    </message>
    <message>
        <source>★横一列爆発ブロック                          </source>
        <translation>★Row bomb block                          </translation>
    </message>
    <message>
        <source>★時間短縮されるブロック</source>
        <translation>★Takes time away</translation>
    </message>
    <message>
        <source>★回復ブロック</source>
        <translation>★Healing block</translation>
    </message>
    <message>
        <source>青いブロック </source>
        <translation>Blue block </translation>
    </message>
    <message>
        <source>★増殖ブロック</source>
        <translation>★Multiplying block</translation>
    </message>
    <message>
        <source>★毒ブロック         </source>
        <translation>★Poison block         </translation>
    </message>
    <message>
        <source>★バーが小さくなるブロック</source>
        <translation>★Shrinks the bar</translation>
    </message>
    <message>
        <source>ピンクのブロック </source>
        <translation>Pink block </translation>
    </message>
    <message>
        <source>★バーが大さくなるブロック</source>
        <translation>★Grows the bar</translation>
    </message>
    <message>
        <source>★時間がふえるブロック</source>
        <translation>★Gives time</translation>
    </message>
    <message>
        <source>薄い赤のブロック</source>
        <translation>Pale red block</translation>
    </message>
    <message>
        <source>高得点ブロック</source>
        <translation>Bonus block</translation>
    </message>
    <message>
        <source>超高得点ブロック</source>
        <translation>Super bonus block</translation>
    </message>
    <message>
        <source>見えないブロック</source>
        <translation>Invisible block</translation>
    </message>
</context>
<context>
    <name>Blocks</name>
    <message>
        <source>down</source>
        <translation>down</translation>
    </message>
    <message>
        <source>時×</source>
        <translation>T-</translation>
    </message>
    <message>
        <source>回復</source>
        <translation>HP+</translation>
    </message>
    <message>
        <source>毒</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>短</source>
        <translation>Shrt</translation>
    </message>
    <message>
        <source>長</source>
        <translation>Long</translation>
    </message>
    <message>
        <source>時○</source>
        <translation>T+</translation>
    </message>
    <message>
        <source>EX</source>
        <translation>EX</translation>
    </message>
    <message>
        <source>EX+</source>
        <translation>EX+</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>残りブロック：%1</source>
        <translation>Blocks left: %1</translation>
    </message>
    <message>
        <source>使った時間：%1&#x3000;失ったライフ：%2</source>
        <translation>Time used: %1   Lives lost: %2</translation>
    </message>
    <message>
        <source>（残時間%1・ライフ%2から始めて調べました）</source>
        <translation>(Checked starting with %1 time and %2 lives)</translation>
    </message>
    <message>
        <source>時間%1・ライフ%2</source>
        <translation>time %1, lives %2</translation>
    </message>
    <message>
        <source>このステージはクリアできます。</source>
        <translation>This stage can be cleared.</translation>
    </message>
    <message>
        <source>このステージはクリアできませんでした。</source>
        <translation>No way to clear this stage was found.</translation>
    </message>
    <message>
        <source>消すブロックがないので、すぐにクリアになります。</source>
        <translation>There are no blocks to break, so it is cleared at once.</translation>
    </message>
    <message>
        <source>（時間切れ）</source>
        <translation> (out of time)</translation>
    </message>
    <message>
        <source>（ライフ切れ）</source>
        <translation> (out of lives)</translation>
    </message>
    <message>
        <source>（調べきれないので途中で打ち切りました）</source>
        <translation> (the search took too long and was stopped)</translation>
    </message>
    <message>
        <source>（これ以上ブロックを消せません）</source>
        <translation> (no more blocks can be broken)</translation>
    </message>
    <message>
        <source>調べられませんでした：</source>
        <translation>Could not check: </translation>
    </message>
    <message>
        <source>試した操作：サーブ・バー移動</source>
        <translation>Moves tried: serves, the bar</translation>
    </message>
    <message>
        <source>・右クリック</source>
        <translation>, right clicks</translation>
    </message>
    <message>
        <source>・左クリック爆発</source>
        <translation>, explosions</translation>
    </message>
    <message>
        <source>調べています…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>消すブロックなし</source>
        <translation>No blocks to break</translation>
    </message>
    <message>
        <source>クリア可：</source>
        <translation>Clearable: </translation>
    </message>
    <message>
        <source>探索でクリアできず</source>
        <translation>No clear found</translation>
    </message>
    <message>
        <source>（打ち切り）</source>
        <translation> (stopped)</translation>
    </message>
    <message>
        <source>（手詰まり）</source>
        <translation> (stuck)</translation>
    </message>
    <message>
        <source>調べられませんでした</source>
        <translation>Could not check</translation>
    </message>
</context>
<context>
    <name>Courses</name>
    <message>
        <source>STREET CORSE</source>
        <translation>STREET COURSE</translation>
    </message>
    <message>
        <source>VOCAL CORSE</source>
        <translation>VOCAL COURSE</translation>
    </message>
    <message>
        <source>PELTRA!!! CORSE</source>
        <translation>PELTRA!!! COURSE</translation>
    </message>
    <message>
        <source>BONUS CORSE</source>
        <translation>BONUS COURSE</translation>
    </message>
    <message>
        <source>SORELI CORSE</source>
        <translation>SORELI COURSE</translation>
    </message>
    <message>
        <source>VELORIS CORSE</source>
        <translation>VELORIS COURSE</translation>
    </message>
    <message>
        <source>ＳＴＲＥＥＴ&#x3000;ＣＯＲＳＥ</source>
        <translation>STREET COURSE</translation>
    </message>
    <message>
        <source>【ＳＴＲＥＥＴ ＣＯＲＳＥ】</source>
        <translation>【STREET COURSE】</translation>
    </message>
    <message>
        <source>STREET CORSE &gt; 前作からのステージclassicを含む全１１ステージ。作者は全てぬもろによるもの。まずはここから！？</source>
        <translation>STREET COURSE &gt; 11 stages, classics from the last game included, all made by Numoro. Start here!?</translation>
    </message>
    <message>
        <source>ＶＯＣＡＬ&#x3000;ＣＯＲＳＥ</source>
        <translation>VOCAL COURSE</translation>
    </message>
    <message>
        <source>【ＶＯＣＡＬ ＣＯＲＳＥ】</source>
        <translation>【VOCAL COURSE】</translation>
    </message>
    <message>
        <source>VOCAL CORSE &gt; STREET CORSEよりも若干やさしめなコース。STREET CORSEが全クリアできないビギナーにお勧め。新ステージ・classic混合の全１１ステージ。</source>
        <translation>VOCAL COURSE &gt; A little easier than STREET COURSE: for beginners who cannot clear STREET yet. 11 stages, new and classic.</translation>
    </message>
    <message>
        <source>ＰＥＬＴＲＡ&#x3000;ＣＯＲＳＥ</source>
        <translation>PELTRA COURSE</translation>
    </message>
    <message>
        <source>【ＰＥＬＴＲＡ ＣＯＲＳＥ】</source>
        <translation>【PELTRA COURSE】</translation>
    </message>
    <message>
        <source>PELTRA CORSE &gt; 知略なしには１ステージ目クリアさえ容易ではない！難攻不落全２１ステージ、ペルトラ！！！氏による超難問コース。オールクリアなるか！？</source>
        <translation>PELTRA COURSE &gt; Without cunning even stage 1 is hard! 21 fortress stages, a fiendish course by Peltra!!!. Can you clear it all!?</translation>
    </message>
    <message>
        <source>peltra CORSE</source>
        <translation>peltra COURSE</translation>
    </message>
    <message>
        <source>ＢＯＲＮＵＳ&#x3000;ＣＯＲＳＥ</source>
        <translation>BONUS COURSE</translation>
    </message>
    <message>
        <source>【ＢＯＮＵＳ ＣＯＲＳＥ】</source>
        <translation>【BONUS COURSE】</translation>
    </message>
    <message>
        <source>BONUS CORSE &gt; ヌルベント・ゲームファンより寄せられたオリジナルステージ満載☆ネットゲーマー達のユニークなステージを制覇しよう♪</source>
        <translation>BONUS COURSE &gt; Packed with stages sent in by Nullvent game fans☆ Conquer the net gamers&apos; unique stages♪</translation>
    </message>
    <message>
        <source>ＳＯＲＥＬＩ&#x3000;ＣＯＲＳＥ</source>
        <translation>SORELI COURSE</translation>
    </message>
    <message>
        <source>【ＳＯＲＥＬＩ ＣＯＲＳＥ】</source>
        <translation>【SORELI COURSE】</translation>
    </message>
    <message>
        <source>SORELI CORSE &gt; Ｄｊ ＴＯＲＫＡによる隠しコース★可愛らしいデザインと共に、今シリーズ初めてのステルスブロック出現！クリアなるか！？</source>
        <translation>SORELI COURSE &gt; A hidden course by Dj TORKA★ Cute designs, and the series&apos; first stealth blocks! Can you clear it!?</translation>
    </message>
    <message>
        <source>VELORIS&#x3000;ＣＯＲＳＥ</source>
        <translation>VELORIS COURSE</translation>
    </message>
    <message>
        <source>【VELORIS Cors.】</source>
        <translation>【VELORIS Course】</translation>
    </message>
    <message>
        <source>VELORIS CORSE &gt; ヴェロリスさんによる隠しコース、アイデア溢れる多彩な全１０ステージを攻略せよ☆</source>
        <translation>VELORIS COURSE &gt; A hidden course by Veloris: beat 10 varied stages full of ideas☆</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>クリアの手が見つかりません。探索が届いたところまで自動で遊びます</source>
        <translation>No clear found: the demo plays as far as the search got</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>死亡！！</source>
        <translation>DEAD!!</translation>
    </message>
    <message>
        <source> 【Time -10】</source>
        <translation> 【Time -10】</translation>
    </message>
    <message>
        <source> 【HP +1】</source>
        <translation> 【HP +1】</translation>
    </message>
    <message>
        <source> 【増殖!】</source>
        <translation> 【MULTIPLY!】</translation>
    </message>
    <message>
        <source> 【HP-1damege!!】</source>
        <translation> 【HP-1 damage!!】</translation>
    </message>
    <message>
        <source> 【SMALL!!】</source>
        <translation> 【SMALL!!】</translation>
    </message>
    <message>
        <source> 【LONG!!】</source>
        <translation> 【LONG!!】</translation>
    </message>
    <message>
        <source> 【Time +10】</source>
        <translation> 【Time +10】</translation>
    </message>
    <message>
        <source> 【EX point!】→</source>
        <translation> 【EX point!】→</translation>
    </message>
    <message>
        <source> 【EX+ point!】→</source>
        <translation> 【EX+ point!】→</translation>
    </message>
    <message>
        <source>Life:%1</source>
        <translation>Life:%1</translation>
    </message>
    <message>
        <source>                START!!!</source>
        <translation>                START!!!</translation>
    </message>
    <message>
        <source>HANG IN THERE!</source>
        <translation>HANG IN THERE!</translation>
    </message>
    <message>
        <source>爆死！！</source>
        <translation>BLOWN UP!!</translation>
    </message>
    <message>
        <source> 【Time -5!】</source>
        <translation> 【Time -5!】</translation>
    </message>
    <message>
        <source>  time out!!!</source>
        <translation>  time out!!!</translation>
    </message>
    <message>
        <source>time out!!!</source>
        <translation>time out!!!</translation>
    </message>
    <message>
        <source>beat goes on*</source>
        <translation>beat goes on*</translation>
    </message>
    <message>
        <source>beat goes on+</source>
        <translation>beat goes on+</translation>
    </message>
    <message>
        <source> 【CLEAR BLOCK!】</source>
        <translation> 【CLEAR BLOCK!】</translation>
    </message>
    <message>
        <source>がんばってね★</source>
        <translation>Go for it★</translation>
    </message>
    <message>
        <source>がんばってね☆</source>
        <translation>Go for it☆</translation>
    </message>
    <message>
        <source>ななしちゅんステージ</source>
        <translation>Nameless stage</translation>
    </message>
    <message>
        <source>ななしちゅんジ</source>
        <translation>Nameless</translation>
    </message>
    <message>
        <source> by %1</source>
        <translation> by %1</translation>
    </message>
    <message>
        <source>CLEAR!!!</source>
        <translation>CLEAR!!!</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>GAME OVER!!!</translation>
    </message>
    <message>
        <source> 【mHP full! &gt; HP +1】</source>
        <translation> 【mHP full! &gt; HP +1】</translation>
    </message>
    <message>
        <source>ALL CLEAR!</source>
        <translation>ALL CLEAR!</translation>
    </message>
    <message>
        <source>time present +%1光年</source>
        <translation>time present +%1 ly</translation>
    </message>
    <message>
        <source> 【Time bonus】→</source>
        <translation> 【Time bonus】→</translation>
    </message>
    <message>
        <source>LOVE THE BEAT!</source>
        <translation>LOVE THE BEAT!</translation>
    </message>
    <message>
        <source>by%1</source>
        <translation>by%1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>by %1</translation>
    </message>
</context>
<context>
    <name>EndPanel</name>
    <message>
        <source>YOUR DATA in This CORSE</source>
        <translation>YOUR DATA in This COURSE</translation>
    </message>
    <message>
        <source>YOUR SCORE</source>
        <translation>YOUR SCORE</translation>
    </message>
    <message>
        <source>YEN</source>
        <translation>PTS</translation>
    </message>
    <message>
        <source>YOUR HI-SCORE</source>
        <translation>YOUR HI-SCORE</translation>
    </message>
    <message>
        <source>CLEAR STAGE</source>
        <translation>CLEAR STAGE</translation>
    </message>
    <message>
        <source>MAX COMBO</source>
        <translation>MAX COMBO</translation>
    </message>
    <message>
        <source>HI-MAX COMBO</source>
        <translation>HI-MAX COMBO</translation>
    </message>
    <message>
        <source>ANY CORSE ALL CLEAR 回数</source>
        <translation>ALL CLEARS, ANY COURSE</translation>
    </message>
    <message>
        <source>ＳＡＶＥ ＡＮＤ GAME END....</source>
        <translation>SAVE AND GAME END....</translation>
    </message>
    <message>
        <source>This Corse All Clear!!</source>
        <translation>This Course All Clear!!</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>ﾌｧｲﾙ %1 は開けません</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>不正なﾌｧｲﾙ名です</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙへのｱｸｾｽが拒否されました</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>ﾃﾞｨｽｸがいっぱいです</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>入力値が数値ではありません</source>
        <translation>Invalid numeric format</translation>
    </message>
    <message>
        <source>I/O ｴﾗｰ (%1)</source>
        <translation>I/O error (%1)</translation>
    </message>
    <message>
        <source>セーブファイル %1 は読み込めなかったため、上書きせずに残しました。このセーブは行われていません。</source>
        <translation>The save file %1 could not be read, so it was left as it is. This save was not made.</translation>
    </message>
    <message>
        <source>セーブファイル %1 は読み込めないため %2 として残しました。これからの記録は新しいファイルに保存します</source>
        <translation>The save file %1 could not be read and was kept as %2. From now on, progress is saved in a new file</translation>
    </message>
    <message>
        <source>お金とおもちゃの記録 (my.dat) を保存できませんでした。</source>
        <translation>Your money and toys (my.dat) could not be saved.</translation>
    </message>
    <message>
        <source>もう一度保存</source>
        <translation>Save again</translation>
    </message>
    <message>
        <source>保存せずに終了</source>
        <translation>Quit without saving</translation>
    </message>
    <message>
        <source>ゲームに戻る</source>
        <translation>Back to the game</translation>
    </message>
    <message>
        <source>%1 を起動できませんでした</source>
        <translation>Could not start %1</translation>
    </message>
    <message>
        <source>%1 はすでにこのセーブフォルダ (%2) で動いていますが、応答がありません。そちらを終了してから起動し直してください.</source>
        <translation>%1 is already running on this save folder (%2) but does not answer. Close it, then start again.</translation>
    </message>
    <message>
        <source>%1 はすでに起動しています。開いているウィンドウをお使いください。</source>
        <translation>%1 is already running. Please use its open window.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ゾルバンブロックデータ</source>
        <translation>Zorban stages</translation>
    </message>
    <message>
        <source>オフィシャルデータ</source>
        <translation>Official stages</translation>
    </message>
    <message>
        <source>オフィシャルデータ2</source>
        <translation>Official stages 2</translation>
    </message>
    <message>
        <source>all files</source>
        <translation>all files</translation>
    </message>
    <message>
        <source>ALL FILES</source>
        <translation>ALL FILES</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>おもちゃ</source>
        <translation>Toys</translation>
    </message>
    <message>
        <source>ホームページ</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>メール</source>
        <translation>Mail</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>このソフトが入っているフォルダ</source>
        <translation>the game&apos;s folder</translation>
    </message>
    <message>
        <source>データフォルダ（%1）</source>
        <translation>the data folder (%1)</translation>
    </message>
    <message>
        <source>%1に「投稿用.txt」というファイルが作成されるので、書きこみやメールの場合は、それをコピーしてペーストして利用してください★よくわからないという人は、普通に書きこみしてね。</source>
        <translation>A file named &quot;投稿用N.txt&quot; is written into %1: copy and paste it into your post or mail★ Not sure how? Just write to us as usual.</translation>
    </message>
    <message>
        <source>ゾルバンブロックストーリー</source>
        <translation>THE ZORBAN BLOCK STORY</translation>
    </message>
    <message>
        <source>ある日、謎のブロック型生命体が地球の衛星・月を侵略・占拠してしまった！月の住人たちの猛反撃がここに始まるグー！光の速さで戦って月をとりもどせ！</source>
        <translation>One day, mysterious block-shaped beings invaded and took over the moon! Now the moon folk strike back, goo! Fight at the speed of light and win the moon back!</translation>
    </message>
    <message>
        <source>ブロックの種類</source>
        <translation>KINDS OF BLOCKS</translation>
    </message>
    <message>
        <source>通常ブロックは、１コこわすごとに、mHPが増え、50溜まるとＨＰが１回復ダゾ！</source>
        <translation>Each plain block you break fills mHP; at 50 you get 1 HP back!</translation>
    </message>
    <message>
        <source>点滅ブロックは爆発ブロックだ。周囲を吹き飛ばす物と、横一列を吹き飛ばすのがあるビー</source>
        <translation>Flashing blocks explode: some blast all around, some blast a whole row!</translation>
    </message>
    <message>
        <source>その他にも色々な効果をもつブロックがあるのダ。また高得点ブロックもあるゾ！</source>
        <translation>Many other blocks have effects of their own, and some pay big points!</translation>
    </message>
    <message>
        <source>めざせハイスコア！</source>
        <translation>GO FOR THE HIGH SCORE!</translation>
    </message>
    <message>
        <source>コンボをつんで、高得点を狙うんダゾ！高得点が出たら、ホームページへＧＯ！書きこみしてクレタマエー！</source>
        <translation>Build up combos for big scores! Got a high score? Go to our home page and post it!</translation>
    </message>
    <message>
        <source>マウスで操作だゾ！でも黒い画面内でないと反応しないから気をつけロ！時間にも気をつけロ</source>
        <translation>Play with the mouse, inside the black field only! And watch the time!</translation>
    </message>
    <message>
        <source>がんばれー！</source>
        <translation>Good luck!</translation>
    </message>
    <message>
        <source>ｲﾝﾀｰﾈｯﾄﾗﾝｷﾝｸﾞ</source>
        <translation>Online ranking</translation>
    </message>
    <message>
        <source>モドルモドル</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>スピード</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>遅</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>速</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>INFOMATION</source>
        <translation>INFORMATION</translation>
    </message>
    <message>
        <source>ゾルバン開発チームのホームページで、スコアアタックランキングを開催しています！</source>
        <translation>The Zorban team&apos;s home page runs a score attack ranking!</translation>
    </message>
    <message>
        <source>申し込み方法</source>
        <translation>HOW TO ENTER</translation>
    </message>
    <message>
        <source>点数を、ホームページ掲示板にかメールにて、書きこみして下さい。</source>
        <translation>Post your score on the home page&apos;s board or send it by mail.</translation>
    </message>
    <message>
        <source>備考</source>
        <translation>NOTE</translation>
    </message>
    <message>
        <source>期間</source>
        <translation>DATES</translation>
    </message>
    <message>
        <source>ホームページを参照してね☆</source>
        <translation>See the home page☆</translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation>ADDRESS</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>次の起動から %1 で表示します</source>
        <translation>%1 from the next start</translation>
    </message>
</context>
<context>
    <name>Maker</name>
    <message>
        <source>よろしいですかすか？</source>
        <translation>Clear the design?</translation>
    </message>
    <message>
        <source>変更が保存されていません。破棄しますか？</source>
        <translation>Your changes are not saved. Discard them?</translation>
    </message>
    <message>
        <source>解き方を見る (F6)</source>
        <translation>Watch a solution (F6)</translation>
    </message>
    <message>
        <source>解</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>ゾルバンブロックつくーる&#x3000;ver2.0&#x3000;〜 Zorban Project 〜</source>
        <translation>Zorban Block Maker  ver2.0  ~ Zorban Project ~</translation>
    </message>
    <message>
        <source>ゾルバンブロックツール</source>
        <translation>Zorban Block Maker</translation>
    </message>
    <message>
        <source>タイトル＞</source>
        <translation>TITLE&gt;</translation>
    </message>
    <message>
        <source>YOUR NAME</source>
        <translation>YOUR NAME</translation>
    </message>
    <message>
        <source>load</source>
        <translation>load</translation>
    </message>
    <message>
        <source>save</source>
        <translation>save</translation>
    </message>
    <message>
        <source>デザイン初期化</source>
        <translation>Clear design</translation>
    </message>
    <message>
        <source>セーブする時はファイルネームの最後に&#x3000;「．ｕｓｒ」という拡張子を、半角でつけて、例えば「ｓａｍｐｌｅ．ｕｓｒ」みたい感じにしてね☆</source>
        <translation>When you save, end the file name with the extension &quot;.usr&quot;, for example &quot;sample.usr&quot;☆</translation>
    </message>
    <message>
        <source>あなたの作ったデータをメールにてお送り下さい。送られてきたデータの中からいくつかを、次回作のステージに収録する予定ですので、面白いステージをつくってね。現在の予定では送られてきた全データを収録するつもりですので、ふるってお送り下さい。御待ちしております★</source>
        <translation>Send us your stages by mail! We plan to put some of them into our next game, so make them fun. Right now we mean to include every stage we get, so send them in. We look forward to them★</translation>
    </message>
    <message>
        <source>←メール★ＨＰ→</source>
        <translation>←Mail★Web→</translation>
    </message>
    <message>
        <source>読込 (Ctrl+O)</source>
        <translation>Load (Ctrl+O)</translation>
    </message>
    <message>
        <source>保存 (Ctrl+S)</source>
        <translation>Save (Ctrl+S)</translation>
    </message>
    <message>
        <source>デザイン初期化 (Ctrl+N)</source>
        <translation>Clear design (Ctrl+N)</translation>
    </message>
    <message>
        <source>↶</source>
        <translation>↶</translation>
    </message>
    <message>
        <source>元に戻す (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>↷</source>
        <translation>↷</translation>
    </message>
    <message>
        <source>やり直し (Ctrl+Y)</source>
        <translation>Redo (Ctrl+Y)</translation>
    </message>
    <message>
        <source>⇆</source>
        <translation>⇆</translation>
    </message>
    <message>
        <source>左右反転 (Ctrl+R)</source>
        <translation>Mirror left-right (Ctrl+R)</translation>
    </message>
    <message>
        <source>⇅</source>
        <translation>⇅</translation>
    </message>
    <message>
        <source>上下反転 (Ctrl+U)</source>
        <translation>Mirror top-bottom (Ctrl+U)</translation>
    </message>
    <message>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <source>左へずらす (Ctrl+J)</source>
        <translation>Shift left (Ctrl+J)</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>右へずらす (Ctrl+L)</source>
        <translation>Shift right (Ctrl+L)</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>上へずらす (Ctrl+I)</source>
        <translation>Shift up (Ctrl+I)</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>下へずらす (Ctrl+K)</source>
        <translation>Shift down (Ctrl+K)</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>クリアできるか調べる (Ctrl+T)</source>
        <translation>Check whether it can be cleared (Ctrl+T)</translation>
    </message>
    <message>
        <source>▶</source>
        <translation>▶</translation>
    </message>
    <message>
        <source>テストプレイ (F5)</source>
        <translation>Test play (F5)</translation>
    </message>
    <message>
        <source>ステージの絵</source>
        <translation>Stage picture</translation>
    </message>
    <message>
        <source>ブロックの種類</source>
        <translation>Kinds of blocks</translation>
    </message>
    <message>
        <source>メール</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>ＨＰ</source>
        <translation>Home page</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>使い方: %1 [OPTION]...</source>
        <translation>Usage: %1 [OPTION]...</translation>
    </message>
    <message>
        <source>このヘルプを表示して終了します</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>バージョンを表示して終了します</source>
        <translation>show the version and exit</translation>
    </message>
    <message>
        <source>%1 というオプションはありません</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1 には %2 が要ります</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>ファイルは指定できません: %1</source>
        <translation>no file is taken: %1</translation>
    </message>
    <message>
        <source>ファイルが多すぎます: %1</source>
        <translation>too many files: %1</translation>
    </message>
    <message>
        <source>ブロック崩しゲーム、ゾルバンブロック。</source>
        <translation>The Zorban block-breaking game.</translation>
    </message>
    <message>
        <source>ゾルバンブロックのステージエディタ。</source>
        <translation>The Zorban stage editor.</translation>
    </message>
    <message>
        <source>編集するために開くステージファイル</source>
        <translation>a stage file to open for editing</translation>
    </message>
    <message>
        <source>ゾルバンブロックのステージファイルを一つずつ遊びます。</source>
        <translation>Plays one Zorban stage file at a time.</translation>
    </message>
    <message>
        <source>すぐに遊ぶステージファイル</source>
        <translation>a stage file to play at once</translation>
    </message>
    <message>
        <source>ソルバーの手でステージを CLEAR まで自動で遊びます</source>
        <translation>plays the stage by itself with the solver&apos;s moves, to CLEAR</translation>
    </message>
    <message>
        <source>手順ファイル (zorban_solve --moves-file) の手でステージを自動で遊びます</source>
        <translation>plays the stage by itself with the moves of a moves file (zorban_solve --moves-file)</translation>
    </message>
    <message>
        <source>--demo、--replay、遊ぶ FILE は一度に一つしか指定できません</source>
        <translation>--demo, --replay and a FILE to play go one at a time</translation>
    </message>
</context>
<context>
    <name>Pause</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>プレイ中です。終了しますか?</source>
        <translation>A game is in play. Quit?</translation>
    </message>
    <message>
        <source>%1 キー・%2 ボタン・クリックで再開</source>
        <translation>%1 key, %2 button or a click plays on</translation>
    </message>
    <message>
        <source>%1 キー・クリックで再開</source>
        <translation>%1 key or a click plays on</translation>
    </message>
    <message>
        <source>%1 ボタン・クリックで再開</source>
        <translation>%1 button or a click plays on</translation>
    </message>
    <message>
        <source>クリックで再開</source>
        <translation>A click plays on</translation>
    </message>
</context>
<context>
    <name>PlayScreen</name>
    <message>
        <source>tttt</source>
        <translation>tttt</translation>
    </message>
    <message>
        <source>HI:</source>
        <translation>HI:</translation>
    </message>
    <message>
        <source>ARE YOU READY !?</source>
        <translation>ARE YOU READY !?</translation>
    </message>
    <message>
        <source>TOY</source>
        <translation>TOY</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HELP</translation>
    </message>
    <message>
        <source>game over!!</source>
        <translation>game over!!</translation>
    </message>
    <message>
        <source>ゾルバンブロック5th&#x3000;ver1.0&#x3000;Linux版 ゾルバン開発チーム</source>
        <translation>Zorban Block 5th  ver1.0  for Linux  Zorban team</translation>
    </message>
    <message>
        <source>ゾルバン５ｔｈ</source>
        <translation>Zorban 5th</translation>
    </message>
    <message>
        <source>Your score in This CORSE</source>
        <translation>Your score in This COURSE</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>ステータス</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>99 combo</source>
        <translation>99 combo</translation>
    </message>
    <message>
        <source>残り時間</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>beat goes on*</source>
        <translation>beat goes on*</translation>
    </message>
    <message>
        <source>★ﾏｳｽｶｰｿﾙを左画面内に移動させ、好きな位置で左ｸﾘｯｸを押してスタートだよ☆</source>
        <translation>★Move the mouse into the field on the left and left-click where you like to start☆</translation>
    </message>
    <message>
        <source>Play action way &gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt;１、左ｸﾘｯｸ：爆発（Hp -1）&#x3000;２、右ｸﾘｯｸ：軌道変更(Time&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;-５）３、Comboを貯めて高得点。</source>
        <translation>How to play &gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt; 1. Left click: explode (HP -1)  2. Right click: turn the ball (Time -5)  3. Build combos for big points.</translation>
    </message>
    <message>
        <source>STAGE NAME</source>
        <translation>STAGE NAME</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>ゾルバンブロックuserPLAY&#x3000;ver2.0&#x3000;〜 ぬもろソフト 〜</source>
        <translation>Zorban Block userPLAY  ver2.0  ~ Numoro Soft ~</translation>
    </message>
    <message>
        <source>ユーザープレー</source>
        <translation>User Play</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Your score</translation>
    </message>
    <message>
        <source>HIGH SCORE:*************</source>
        <translation>HIGH SCORE:*************</translation>
    </message>
    <message>
        <source>がんばってね★</source>
        <translation>Go for it★</translation>
    </message>
    <message>
        <source>Push!!→</source>
        <translation>Push!!→</translation>
    </message>
    <message>
        <source>←Push!!</source>
        <translation>←Push!!</translation>
    </message>
    <message>
        <source>自分の作ったｽﾃｰｼﾞをプレイ</source>
        <translation>Play a stage of your own</translation>
    </message>
    <message>
        <source>ボールの速さ %1%</source>
        <translation>Ball speed %1%</translation>
    </message>
</context>
<context>
    <name>StartPanel</name>
    <message>
        <source>SELECT CORSE</source>
        <translation>SELECT COURSE</translation>
    </message>
    <message>
        <source>難易度＞</source>
        <translation>Level&gt;</translation>
    </message>
    <message>
        <source>ZORBAN BLOCK 5TH MIX</source>
        <translation>ZORBAN BLOCK 5TH MIX</translation>
    </message>
    <message>
        <source>制作：ゾルバン開発チーム&#x3000;ステージ協力：ペルトラ！！！、ヴェロリスほか</source>
        <translation>Made by the Zorban team. Stages: Peltra!!!, Veloris and friends</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>『%1』</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>20億点制覇!【来た、時の最果て、ここは宇宙の最後だ、ぎゃああ】</source>
        <translation>2 billion points!【The end of time: the last edge of the universe, aaargh】</translation>
    </message>
    <message>
        <source>10億点達成!【帰ろう････生命と水の星、大地へ！】</source>
        <translation>1 billion points!【Let&apos;s go home.... to the planet of life and water!】</translation>
    </message>
    <message>
        <source>１億点達成!【どこまでも続く闇。思い出そう、闇に瞬く光、命だ】</source>
        <translation>100 million points!【Endless dark. Remember the light blinking in it: life】</translation>
    </message>
    <message>
        <source>1000万点達成!【いつか立とう、あの母なる星の緑の丘に。】</source>
        <translation>10 million points!【One day we will stand on the green hills of our mother planet.】</translation>
    </message>
    <message>
        <source>100万点達成!【いつか立とう、あの母なる星の緑の丘に。】</source>
        <translation>1 million points!【One day we will stand on the green hills of our mother planet.】</translation>
    </message>
    <message>
        <source>50万点達成!【あの遠く見える青い星････あれが地球だと知っている】</source>
        <translation>500,000 points!【That far blue planet.... we know it is the Earth】</translation>
    </message>
    <message>
        <source>10万点達成!【この小さな星の裏側は凍てつき誰も地上に出られない】</source>
        <translation>100,000 points!【The far side of this small world is frozen; no one goes out there】</translation>
    </message>
    <message>
        <source>50000点達成!【高く気高い山。そこがあやつらの降り立った地だ】</source>
        <translation>50,000 points!【A high, proud mountain: where they landed】</translation>
    </message>
    <message>
        <source>10000点達成!【このクレーターを『はじまるむ湖』と名づけよう】</source>
        <translation>10,000 points!【Let&apos;s call this crater &quot;Lake Hajimarumu&quot;】</translation>
    </message>
    <message>
        <source>クリア回数%1 処理速度%2 タイマー速度%3</source>
        <translation>Clears %1  Tick %2  Timer %3</translation>
    </message>
    <message>
        <source>%1 moon円</source>
        <translation>%1 moon yen</translation>
    </message>
    <message>
        <source>%1 combo</source>
        <translation>%1 combo</translation>
    </message>
    <message>
        <source>HP:%1/%2 mHP:%3/50</source>
        <translation>HP:%1/%2 mHP:%3/50</translation>
    </message>
    <message>
        <source>ステージ：%1/%2</source>
        <translation>Stage: %1/%2</translation>
    </message>
    <message>
        <source>スピード:%1 (変化時間:%2)</source>
        <translation>Speed:%1 (effect time:%2)</translation>
    </message>
    <message>
        <source>▼お金: %1 moon円</source>
        <translation>▼Money: %1 moon yen</translation>
    </message>
    <message>
        <source>MAXCOMBO:%1(HI:%2)</source>
        <translation>MAXCOMBO:%1(HI:%2)</translation>
    </message>
    <message>
        <source>残時間:%1光年</source>
        <translation>Time:%1 ly</translation>
    </message>
    <message>
        <source>this stage`s name&gt;</source>
        <translation>this stage&apos;s name&gt;</translation>
    </message>
    <message>
        <source>模様 ON</source>
        <translation>Patterns ON</translation>
    </message>
    <message>
        <source>模様 OFF</source>
        <translation>Patterns OFF</translation>
    </message>
    <message>
        <source>プレイフィールド</source>
        <translation>Play field</translation>
    </message>
    <message>
        <source>残りブロック %1、HP %2</source>
        <translation>%1 blocks left, HP %2</translation>
    </message>
</context>
<context>
    <name>ToyAbout</name>
    <message>
        <source>月の裏側にすむまんまる生物グーグー。ぽよんぽよんとよくはねる。</source>
        <translation>Gu-gu, a round creature from the far side of the moon. Boing, boing, it bounces all day.</translation>
    </message>
    <message>
        <source>三日月にこしかけてひと休みするグーグー。月が地球を見下ろす夜のすがた。</source>
        <translation>Gu-gu resting on a crescent moon, looking down at the Earth at night.</translation>
    </message>
    <message>
        <source>生まれたてのグーグー。まだうまくはねられず、ころころ転がっている。</source>
        <translation>A newborn gu-gu. It cannot bounce yet, so it rolls about instead.</translation>
    </message>
    <message>
        <source>雪の日にだけ見つかる白いグーグー。さわるとひんやり冷たい。</source>
        <translation>A white gu-gu, found only on snowy days. Cold to the touch.</translation>
    </message>
    <message>
        <source>ブロックをバリバリかじる大アゴの怪物。歯みがきは一日三回。</source>
        <translation>A monster with huge jaws that crunches blocks. Brushes its teeth three times a day.</translation>
    </message>
    <message>
        <source>十字の形をした雲の精クロイツ。風にのって月のまわりを回っている。</source>
        <translation>Cloits, a cross-shaped cloud spirit that rides the wind around the moon.</translation>
    </message>
    <message>
        <source>月の丘に咲くミントの花。すーっとした香りで眠気がふきとぶ。</source>
        <translation>A mint flower from the lunar hills. One sniff and you are wide awake.</translation>
    </message>
    <message>
        <source>四角い頭のブロック星人。月を占領した張本人…のぬいぐるみ。</source>
        <translation>A square-headed Block Alien, the one who took the moon... as a plush toy.</translation>
    </message>
    <message>
        <source>いちばんよく見るふつうのブロック。こわすとお金が３つもらえる。</source>
        <translation>The most common block. Breaking one pays 3 moon yen.</translation>
    </message>
    <message>
        <source>すずしげな青いブロック。夏場は冷蔵庫に入れておこう。</source>
        <translation>A cool blue block. Keep it in the fridge in summer.</translation>
    </message>
    <message>
        <source>増殖ブロックから生まれるピンクのブロック。ほんのり甘い香り。</source>
        <translation>A pink block born from a multiplying block. Smells faintly sweet.</translation>
    </message>
    <message>
        <source>ほっぺのように薄赤いブロック。はずかしがり屋。</source>
        <translation>A block as pale red as blushing cheeks. Rather shy.</translation>
    </message>
    <message>
        <source>何度たたいてもこわれない…こともない固いブロック。</source>
        <translation>A hard block that never breaks, however often you hit it... or does it?</translation>
    </message>
    <message>
        <source>取扱注意。落とすとピカピカ光りだす。本物は爆発するので注意。</source>
        <translation>Handle with care: it flashes when dropped. The real one explodes.</translation>
    </message>
    <message>
        <source>高得点のしるし、ＥＸブロックのレプリカ。金メッキ仕上げ。</source>
        <translation>A replica of the EX block, the mark of big points. Gold-plated.</translation>
    </message>
    <message>
        <source>超高得点ブロックのレプリカ。持っているだけでえらくなった気分。</source>
        <translation>A replica of the EX+ block. Holding it makes you feel important.</translation>
    </message>
    <message>
        <source>見えないブロックの模型。…と言われても何も見えない。</source>
        <translation>A model of the invisible block... not that you can see it.</translation>
    </message>
    <message>
        <source>月の形のアメ玉。なめると口の中がぴかっと光る。</source>
        <translation>A moon-shaped sweet. Your mouth glows while you suck it.</translation>
    </message>
    <message>
        <source>夜空からこぼれた星のかけら。ポケットに入れるとチクチクする。</source>
        <translation>Bits of star spilled from the night sky. Prickly in a pocket.</translation>
    </message>
    <message>
        <source>願いごとを三回となえる前に消えてしまう、せっかちな星。</source>
        <translation>An impatient star, gone before you can wish three times.</translation>
    </message>
    <message>
        <source>月の砂の上を歩くための長ぐつ。片方しかない。</source>
        <translation>A boot for walking on lunar sand. Only the left one.</translation>
    </message>
    <message>
        <source>月でもちをついていたうさぎの耳つきカチューシャ。</source>
        <translation>A hairband with the ears of the rabbit that pounds rice cakes on the moon.</translation>
    </message>
    <message>
        <source>月のうさぎがついた、のびーるおもち。賞味期限はひみつ。</source>
        <translation>A stretchy rice cake pounded by the moon rabbit. Best-before date: secret.</translation>
    </message>
    <message>
        <source>地球と月を往復する小さなロケット。ねじを巻くと走る。</source>
        <translation>A tiny rocket that flies between the Earth and the moon. Wind it up and off it goes.</translation>
    </message>
    <message>
        <source>ブロック星人の乗り物。ぐるぐる回って光る。</source>
        <translation>The Block Aliens&apos; ride. It spins and glows.</translation>
    </message>
    <message>
        <source>月の上を走るクルマ。タイヤが六つもある。</source>
        <translation>A car for driving on the moon. It has six wheels.</translation>
    </message>
    <message>
        <source>空気がなくても安心のヘルメット。ちょっと重い。</source>
        <translation>Safe even without air. A bit heavy.</translation>
    </message>
    <message>
        <source>青い星、地球の地球儀。いつか帰る日をゆめみて。</source>
        <translation>A globe of the blue planet, Earth. Dreaming of the day we go home.</translation>
    </message>
    <message>
        <source>わっかをまとったおしゃれな惑星。わっかはとりはずし可。</source>
        <translation>A stylish planet wearing a ring. The ring comes off.</translation>
    </message>
    <message>
        <source>はじまるむ湖のほとりで拾ったただの石。よく見るとかわいい。</source>
        <translation>A plain stone from the shore of Lake Hajimarumu. Cute, if you look closely.</translation>
    </message>
    <message>
        <source>月の光をすいこんで青白く光る石。夜にだけ光る。</source>
        <translation>A stone that drinks moonlight and glows pale blue, but only at night.</translation>
    </message>
    <message>
        <source>燃えるように赤い宝石。ブロックの奥から出てきた。</source>
        <translation>A gem as red as fire, found deep inside a block.</translation>
    </message>
    <message>
        <source>深い海の色をした宝石。地球の海を思い出させる。</source>
        <translation>A gem the colour of the deep sea. It reminds you of Earth&apos;s oceans.</translation>
    </message>
    <message>
        <source>みどりの丘の色の宝石。いつか立とう、あの丘に。</source>
        <translation>A gem the colour of green hills. One day we will stand on them.</translation>
    </message>
    <message>
        <source>むらさき色の宝石。よいゆめが見られるらしい。</source>
        <translation>A purple gem. They say it brings sweet dreams.</translation>
    </message>
    <message>
        <source>はちみつ色の宝石。なめても甘くない。</source>
        <translation>A honey-coloured gem. Not sweet, even if you lick it.</translation>
    </message>
    <message>
        <source>世界でいちばん固い石。固ブロック(８)よりも固い。</source>
        <translation>The hardest stone in the world. Harder than a Hard Block (8).</translation>
    </message>
    <message>
        <source>月の海でとれた、ほんのりピンクの真珠。</source>
        <translation>A faintly pink pearl from the seas of the moon.</translation>
    </message>
    <message>
        <source>耳にあてると地球の波の音がきこえる…気がする。</source>
        <translation>Hold it to your ear and you hear the waves of Earth... or so it seems.</translation>
    </message>
    <message>
        <source>星の形をした海の生き物。どうして月にいるのかは不明。</source>
        <translation>A star-shaped sea creature. Nobody knows why it is on the moon.</translation>
    </message>
    <message>
        <source>ふわふわただようクラゲ。さわるとピリッとする。</source>
        <translation>A jellyfish drifting along. It stings a little.</translation>
    </message>
    <message>
        <source>お祭りですくった金魚。水そうの中でくるくる回る。</source>
        <translation>A goldfish scooped up at a summer fair. It swims in circles.</translation>
    </message>
    <message>
        <source>真空を泳ぐマグロ。とても速いが、とてもおいしい。</source>
        <translation>A tuna that swims through vacuum. Very fast, very tasty.</translation>
    </message>
    <message>
        <source>おこるとまんまるにふくらむ。グーグーに似ている。</source>
        <translation>Puffs up round when angry. Looks a lot like gu-gu.</translation>
    </message>
    <message>
        <source>青と赤に光る小さな魚。ネオンサインのステージが好き。</source>
        <translation>A small fish glowing blue and red. It loves neon stages.</translation>
    </message>
    <message>
        <source>ピヨピヨ鳴く黄色いひよこ。グーグーと友だち。</source>
        <translation>A yellow chick that goes cheep cheep. Gu-gu&apos;s friend.</translation>
    </message>
    <message>
        <source>空を飛べないが、月の上ではちょっと飛べる。</source>
        <translation>It cannot fly, but on the moon it almost can.</translation>
    </message>
    <message>
        <source>夜ふかしの名人。ブロックくずしの相手をしてくれる。</source>
        <translation>A night owl who will play block breaking with you.</translation>
    </message>
    <message>
        <source>片足で立ったまま眠るピンクの鳥。バランス感覚ばつぐん。</source>
        <translation>A pink bird that sleeps on one leg. Superb balance.</translation>
    </message>
    <message>
        <source>光るものが大好き。ＥＸブロックをねらっている。</source>
        <translation>Loves shiny things. It has its eye on the EX blocks.</translation>
    </message>
    <message>
        <source>「コンボ！コンボ！」としゃべる。だれが教えたのか。</source>
        <translation>It squawks &quot;Combo! Combo!&quot; Who taught it that?</translation>
    </message>
    <message>
        <source>すいすい飛ぶつばめ。ボールよりも速い。</source>
        <translation>A swallow darting about. Faster than the ball.</translation>
    </message>
    <message>
        <source>いつも地球のほうを向いている月のひまわり。</source>
        <translation>A moon sunflower that always faces the Earth.</translation>
    </message>
    <message>
        <source>赤いチューリップ。ならべてみると横一列ブロックみたい。</source>
        <translation>Red tulips. Put them in a row and they look like a row bomb.</translation>
    </message>
    <message>
        <source>朝だけ咲く花。月の朝は二週間つづく。</source>
        <translation>Blooms only in the morning. A morning on the moon lasts two weeks.</translation>
    </message>
    <message>
        <source>はらはら散る花びら。ピンクのブロックの親せき。</source>
        <translation>Petals fluttering down. A cousin of the pink block.</translation>
    </message>
    <message>
        <source>小さなむらさきの花。見つけるとちょっとうれしい。</source>
        <translation>A small purple flower. Finding one makes you a little happy.</translation>
    </message>
    <message>
        <source>四つ葉をさがしてみよう。月にはないかもしれない。</source>
        <translation>Look for a four-leaf one. The moon may not have any.</translation>
    </message>
    <message>
        <source>トゲトゲのサボテン。水やりは月に一度でいい。</source>
        <translation>A spiky cactus. Water it once a month.</translation>
    </message>
    <message>
        <source>公園で拾ったまつぼっくり。かさが開いたり閉じたり。</source>
        <translation>A pine cone from the park. It opens and closes.</translation>
    </message>
    <message>
        <source>かざりつけされたもみの木。てっぺんの星がじまん。</source>
        <translation>A decorated fir tree, proud of the star on top.</translation>
    </message>
    <message>
        <source>満開のさくらの木。下でおもちを食べよう。</source>
        <translation>A cherry tree in full bloom. Let&apos;s eat rice cakes under it.</translation>
    </message>
    <message>
        <source>ころころ転がるどんぐり。ボールのかわりにはならない。</source>
        <translation>A rolling acorn. It will not do as a ball.</translation>
    </message>
    <message>
        <source>赤い水玉のきのこ。食べると大きくなる？ならない。</source>
        <translation>A red toadstool with white spots. Eat it and grow big? No.</translation>
    </message>
    <message>
        <source>おいしいしいたけ。ほしいたけにすると長もちする。</source>
        <translation>A tasty shiitake. Dried, it keeps for ages.</translation>
    </message>
    <message>
        <source>いちごがのったケーキ。クリアのごほうびに。</source>
        <translation>A cake topped with strawberries. A treat for a CLEAR.</translation>
    </message>
    <message>
        <source>あまーいチョコレートケーキ。食べすぎ注意。</source>
        <translation>A very sweet chocolate cake. Don&apos;t eat too much.</translation>
    </message>
    <message>
        <source>穴のあいたドーナツ。穴からのぞくと月が見える。</source>
        <translation>A doughnut with a hole. Look through it and you see the moon.</translation>
    </message>
    <message>
        <source>ぷるぷるふるえるプリン。ボールがあたるとゆれる。</source>
        <translation>A wobbly pudding. It shakes when the ball hits it.</translation>
    </message>
    <message>
        <source>とけないうちに早く食べよう。時間が減っていく！</source>
        <translation>Eat it before it melts. The time is running out!</translation>
    </message>
    <message>
        <source>ピンク色のアイス。ほっぺが落ちるおいしさ。</source>
        <translation>Pink ice cream, so good your cheeks drop.</translation>
    </message>
    <message>
        <source>シュワシュワのメロンソーダ。さくらんぼつき。</source>
        <translation>Fizzy melon soda with a cherry on top.</translation>
    </message>
    <message>
        <source>毎朝とどく牛乳。のむとＨＰが回復する気がする。</source>
        <translation>Milk delivered every morning. Drinking it feels like healing HP.</translation>
    </message>
    <message>
        <source>ビー玉入りのラムネ。ビー玉はどうやって入れたのか。</source>
        <translation>A soda bottle with a marble in it. How did the marble get in?</translation>
    </message>
    <message>
        <source>のりをまいたおにぎり。中身は食べるまでひみつ。</source>
        <translation>A rice ball wrapped in seaweed. The filling is a secret until you bite.</translation>
    </message>
    <message>
        <source>なにが生まれるかはおたのしみ。グーグーかも？</source>
        <translation>What will hatch? Maybe a gu-gu?</translation>
    </message>
    <message>
        <source>黄金にかがやくたまご。あたためても何も生まれない。</source>
        <translation>An egg that shines like gold. Nothing hatches, however warm you keep it.</translation>
    </message>
    <message>
        <source>まっかなりんご。毒リンゴではない…たぶん。</source>
        <translation>A bright red apple. Not a poisoned one... probably.</translation>
    </message>
    <message>
        <source>こたつで食べたいみかん。すじまで食べよう。</source>
        <translation>A mandarin to eat under the kotatsu. Eat the white bits too.</translation>
    </message>
    <message>
        <source>ひとふさのぶどう。ひとつぶずつ食べると長く楽しめる。</source>
        <translation>A bunch of grapes. One at a time lasts longer.</translation>
    </message>
    <message>
        <source>ふたつならんだなかよしのさくらんぼ。</source>
        <translation>Two cherries side by side, the best of friends.</translation>
    </message>
    <message>
        <source>夏のスイカ。たねを飛ばすと星になる。</source>
        <translation>A summer watermelon. Spit the seeds and they become stars.</translation>
    </message>
    <message>
        <source>ＡＬＬ ＣＬＥＡＲした者だけがかぶれる王冠…のおもちゃ。</source>
        <translation>A crown for those who got ALL CLEAR... a toy one.</translation>
    </message>
    <message>
        <source>きらきらのティアラ。つけると少しだけおしとやかになる。</source>
        <translation>A sparkling tiara. Wearing it makes you a little more graceful.</translation>
    </message>
    <message>
        <source>ハイスコアのあかし。ぴかぴかにみがいておこう。</source>
        <translation>Proof of a high score. Keep it polished.</translation>
    </message>
    <message>
        <source>999COMBOのごほうびメダル。首にかけてじまんしよう。</source>
        <translation>A medal for 999 COMBO. Wear it and show it off.</translation>
    </message>
    <message>
        <source>おしくも２位のメダル。次こそは金。</source>
        <translation>So close: second place. Gold next time.</translation>
    </message>
    <message>
        <source>３位のメダル。表彰台にのれただけでもえらい。</source>
        <translation>Third place. Making the podium is already great.</translation>
    </message>
    <message>
        <source>ハートの形のクッション。ぎゅっとするとおちつく。</source>
        <translation>A heart-shaped cushion. A good hug calms you down.</translation>
    </message>
    <message>
        <source>ＧＡＭＥ ＯＶＥＲのたびにひびが入る。大事にしよう。</source>
        <translation>It cracks a little more at every GAME OVER. Take care of it.</translation>
    </message>
    <message>
        <source>ＨＰが９９になった人だけが持てる黄金のハート。</source>
        <translation>A golden heart, only for those who reached 99 HP.</translation>
    </message>
    <message>
        <source>月には雨がふらないけれど、日がさとして使える。</source>
        <translation>It never rains on the moon, but it makes a fine parasol.</translation>
    </message>
    <message>
        <source>ふくらませた赤いふうせん。手をはなすと月へ飛んでいく。</source>
        <translation>A red balloon. Let go and it flies to the moon.</translation>
    </message>
    <message>
        <source>よく飛ぶ紙ひこうき。ブロックにあたると落ちる。</source>
        <translation>A paper plane that flies well. It falls when it hits a block.</translation>
    </message>
    <message>
        <source>空高くあがるたこ。月の上では風がないのであがらない。</source>
        <translation>A kite that flies high. No wind on the moon, so it stays down.</translation>
    </message>
    <message>
        <source>もしかめを百回できたら一人前。</source>
        <translation>Catch the ball a hundred times in a row and you are a master.</translation>
    </message>
    <message>
        <source>くるくる回るこま。いつまでも回りつづける。</source>
        <translation>A top that spins and spins and never stops.</translation>
    </message>
    <message>
        <source>上下にいったりきたり。ボールの動きにそっくり。</source>
        <translation>Up and down, up and down. Just like the ball.</translation>
    </message>
    <message>
        <source>ふると何が出るかな。ガチャガチャも運しだい。</source>
        <translation>Roll it and see. The lottery is all luck too.</translation>
    </message>
    <message>
        <source>ジョーカーが二枚入っている。ババぬきには向かない。</source>
        <translation>There are two jokers in the pack. Not good for Old Maid.</translation>
    </message>
    <message>
        <source>四角いピースをあわせていく。一ピース足りない。</source>
        <translation>Fit the square pieces together. One piece is missing.</translation>
    </message>
    <message>
        <source>ガシャンガシャンと歩くロボット。電池は月の光。</source>
        <translation>A robot that clanks as it walks. It runs on moonlight.</translation>
    </message>
    <message>
        <source>ロボ太郎のガールフレンド。おしゃべりが好き。</source>
        <translation>Robo Taro&apos;s girlfriend. She loves a chat.</translation>
    </message>
    <message>
        <source>ブロック星人と戦う月の番人ロボ。頭のアンテナが弱点。</source>
        <translation>The moon&apos;s guard robot that fights the Block Aliens. Its antenna is its weak spot.</translation>
    </message>
    <message>
        <source>夜になると出てくるオバケ。見えないブロックにかくれている。</source>
        <translation>A ghost that comes out at night. It hides in the invisible blocks.</translation>
    </message>
    <message>
        <source>白いグーグーが作ったゆきだるま。とけないように冷やそう。</source>
        <translation>A snowman made by white gu-gu. Keep it cold so it won&apos;t melt.</translation>
    </message>
    <message>
        <source>ふわふわの雲。クロイツの親せきらしい。</source>
        <translation>A fluffy cloud. Said to be a cousin of cloits.</translation>
    </message>
    <message>
        <source>ゴロゴロいう黒い雲。おへそをかくそう。</source>
        <translation>A rumbling black cloud. Hide your belly button!</translation>
    </message>
    <message>
        <source>七色のにじ。オールクリアブロックの色と同じ。</source>
        <translation>A rainbow of seven colours, the same as the all-clear block.</translation>
    </message>
    <message>
        <source>あたたかい太陽。月を明るくてらしてくれる。</source>
        <translation>The warm sun that lights up the moon.</translation>
    </message>
    <message>
        <source>細い三日月。グーグーのいすにちょうどいい。</source>
        <translation>A thin crescent moon. Just the right seat for gu-gu.</translation>
    </message>
    <message>
        <source>まんまるの月。うさぎがもちをついているのが見える。</source>
        <translation>A round full moon. You can see the rabbit pounding rice cakes.</translation>
    </message>
    <message>
        <source>月にたてた小さな家。まどから地球が見える。</source>
        <translation>A little house on the moon. You can see the Earth from the window.</translation>
    </message>
    <message>
        <source>ブロックで作ったお城。消えないブロックでできている。</source>
        <translation>A castle built of unbreakable blocks.</translation>
    </message>
    <message>
        <source>月の海を照らす灯台。夜になるとくるくる光る。</source>
        <translation>A lighthouse on the seas of the moon. Its light turns round at night.</translation>
    </message>
    <message>
        <source>ちりんちりんと鳴るベル。CLEAR!!!のときに鳴らそう。</source>
        <translation>A tinkling bell. Ring it at every CLEAR!!!</translation>
    </message>
    <message>
        <source>VOCAL CORSEで見つけた音符。ふると歌いだす。</source>
        <translation>A note found in the VOCAL COURSE. Shake it and it sings.</translation>
    </message>
    <message>
        <source>これで歌えばきみもボーカリスト。</source>
        <translation>Sing into this and you are a star vocalist.</translation>
    </message>
    <message>
        <source>ストリートでかきならすギター。弦が一本たりない。</source>
        <translation>A guitar for street gigs. One string is missing.</translation>
    </message>
    <message>
        <source>ビートをきざむヘッドホン。beat goes on!</source>
        <translation>Headphones that keep the beat. beat goes on!</translation>
    </message>
    <message>
        <source>月にまよいこんだねこ。ボールを追いかけるのが大好き。</source>
        <translation>A cat that wandered onto the moon. It loves chasing the ball.</translation>
    </message>
    <message>
        <source>夜にまぎれる黒いねこ。見えないブロックを見つけるのが得意。</source>
        <translation>A black cat that melts into the night. Good at finding invisible blocks.</translation>
    </message>
    <message>
        <source>どこかの扉をあける金のかぎ。どの扉かはだれも知らない。</source>
        <translation>A golden key to some door. Nobody knows which one.</translation>
    </message>
    <message>
        <source>ペルトラ！！！氏愛用のぼうし…のレプリカ。かぶると頭がさえる。</source>
        <translation>A replica of Peltra!!!&apos;s favourite hat. Wear it and think clearly.</translation>
    </message>
    <message>
        <source>ヴェロリスさんの羽ペン。アイデアがわいてくる。</source>
        <translation>Veloris&apos; feather pen. Ideas come flowing.</translation>
    </message>
    <message>
        <source>Ｄｊ ＴＯＲＫＡのレコード。針を落とすとビートが鳴りだす。</source>
        <translation>Dj TORKA&apos;s record. Drop the needle and the beat starts.</translation>
    </message>
    <message>
        <source>ぬもろ氏そっくりの人形。ストリートが似合う。</source>
        <translation>A doll just like Numoro. Looks good on the street.</translation>
    </message>
    <message>
        <source>母なる星、地球のかけら。みどりの丘のにおいがする。</source>
        <translation>A piece of Earth, our mother planet. It smells of green hills.</translation>
    </message>
    <message>
        <source>宇宙の最後にたどりついた者の砂時計。ぎゃああ。</source>
        <translation>The hourglass of the one who reached the end of the universe. Aaargh.</translation>
    </message>
</context>
<context>
    <name>ToyShop</name>
    <message>
        <source>TOY</source>
        <translation>TOY</translation>
    </message>
    <message>
        <source>ガチャガチャをする</source>
        <translation>Try the lottery</translation>
    </message>
    <message>
        <source>GO HOME</source>
        <translation>GO HOME</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <translation>%1 x%2</translation>
    </message>
    <message>
        <source>レア度：%1%</source>
        <translation>Rarity: %1%</translation>
    </message>
    <message>
        <source>Number %1/%2</source>
        <translation>Number %1/%2</translation>
    </message>
    <message>
        <source>お金がたりないよ</source>
        <translation>Not enough money!</translation>
    </message>
    <message>
        <source>【%1】を手に入れた！</source>
        <translation>You got 【%1】!</translation>
    </message>
</context>
<context>
    <name>Toys</name>
    <message>
        <source>gu-gu</source>
        <translation>gu-gu</translation>
    </message>
    <message>
        <source>gu-gu and moon</source>
        <translation>gu-gu and moon</translation>
    </message>
    <message>
        <source>gu-gu child</source>
        <translation>gu-gu child</translation>
    </message>
    <message>
        <source>white gu-gu</source>
        <translation>white gu-gu</translation>
    </message>
    <message>
        <source>jaw</source>
        <translation>jaw</translation>
    </message>
    <message>
        <source>cloits</source>
        <translation>cloits</translation>
    </message>
    <message>
        <source>mint flower</source>
        <translation>mint flower</translation>
    </message>
    <message>
        <source>ブロック星人</source>
        <translation>Block Alien</translation>
    </message>
    <message>
        <source>白ブロック</source>
        <translation>White Block</translation>
    </message>
    <message>
        <source>青ブロック</source>
        <translation>Blue Block</translation>
    </message>
    <message>
        <source>ピンクブロック</source>
        <translation>Pink Block</translation>
    </message>
    <message>
        <source>薄赤ブロック</source>
        <translation>Pale Red Block</translation>
    </message>
    <message>
        <source>固ブロック</source>
        <translation>Hard Block</translation>
    </message>
    <message>
        <source>爆発ブロック</source>
        <translation>Bomb Block</translation>
    </message>
    <message>
        <source>ＥＸブロック</source>
        <translation>EX Block</translation>
    </message>
    <message>
        <source>ＥＸ＋ブロック</source>
        <translation>EX+ Block</translation>
    </message>
    <message>
        <source>ステルスブロック</source>
        <translation>Stealth Block</translation>
    </message>
    <message>
        <source>ムーンキャンディ</source>
        <translation>Moon Candy</translation>
    </message>
    <message>
        <source>ほしくず</source>
        <translation>Stardust</translation>
    </message>
    <message>
        <source>流れ星</source>
        <translation>Shooting Star</translation>
    </message>
    <message>
        <source>ながぐつ</source>
        <translation>Moon Boot</translation>
    </message>
    <message>
        <source>うさみみ</source>
        <translation>Bunny Ears</translation>
    </message>
    <message>
        <source>おもち</source>
        <translation>Rice Cake</translation>
    </message>
    <message>
        <source>ロケットくん</source>
        <translation>Little Rocket</translation>
    </message>
    <message>
        <source>ユーフォー</source>
        <translation>UFO</translation>
    </message>
    <message>
        <source>月面ローバー</source>
        <translation>Moon Rover</translation>
    </message>
    <message>
        <source>宇宙ヘルメット</source>
        <translation>Space Helmet</translation>
    </message>
    <message>
        <source>ちきゅうぎ</source>
        <translation>Globe</translation>
    </message>
    <message>
        <source>わっかの星</source>
        <translation>Ringed Planet</translation>
    </message>
    <message>
        <source>クレーター石</source>
        <translation>Crater Stone</translation>
    </message>
    <message>
        <source>ムーンストーン</source>
        <translation>Moonstone</translation>
    </message>
    <message>
        <source>ルビー</source>
        <translation>Ruby</translation>
    </message>
    <message>
        <source>サファイア</source>
        <translation>Sapphire</translation>
    </message>
    <message>
        <source>エメラルド</source>
        <translation>Emerald</translation>
    </message>
    <message>
        <source>アメジスト</source>
        <translation>Amethyst</translation>
    </message>
    <message>
        <source>トパーズ</source>
        <translation>Topaz</translation>
    </message>
    <message>
        <source>ダイヤモンド</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>ピンクパール</source>
        <translation>Pink Pearl</translation>
    </message>
    <message>
        <source>まきがい</source>
        <translation>Seashell</translation>
    </message>
    <message>
        <source>ヒトデ</source>
        <translation>Starfish</translation>
    </message>
    <message>
        <source>ぷかぷかクラゲ</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>金魚</source>
        <translation>Goldfish</translation>
    </message>
    <message>
        <source>宇宙マグロ</source>
        <translation>Space Tuna</translation>
    </message>
    <message>
        <source>ふぐ</source>
        <translation>Pufferfish</translation>
    </message>
    <message>
        <source>ネオンテトラ</source>
        <translation>Neon Tetra</translation>
    </message>
    <message>
        <source>ひよこ</source>
        <translation>Chick</translation>
    </message>
    <message>
        <source>ペンギン</source>
        <translation>Penguin</translation>
    </message>
    <message>
        <source>ふくろう</source>
        <translation>Owl</translation>
    </message>
    <message>
        <source>フラミンゴ</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>からす</source>
        <translation>Crow</translation>
    </message>
    <message>
        <source>オウム</source>
        <translation>Parrot</translation>
    </message>
    <message>
        <source>つばめ</source>
        <translation>Swallow</translation>
    </message>
    <message>
        <source>ひまわり</source>
        <translation>Sunflower</translation>
    </message>
    <message>
        <source>チューリップ</source>
        <translation>Tulip</translation>
    </message>
    <message>
        <source>あさがお</source>
        <translation>Morning Glory</translation>
    </message>
    <message>
        <source>さくら</source>
        <translation>Cherry Blossom</translation>
    </message>
    <message>
        <source>すみれ</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>しろつめくさ</source>
        <translation>White Clover</translation>
    </message>
    <message>
        <source>サボテン</source>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>まつぼっくり</source>
        <translation>Pine Cone</translation>
    </message>
    <message>
        <source>クリスマスツリー</source>
        <translation>Christmas Tree</translation>
    </message>
    <message>
        <source>さくらの木</source>
        <translation>Cherry Tree</translation>
    </message>
    <message>
        <source>どんぐり</source>
        <translation>Acorn</translation>
    </message>
    <message>
        <source>きのこ</source>
        <translation>Toadstool</translation>
    </message>
    <message>
        <source>しいたけ</source>
        <translation>Shiitake</translation>
    </message>
    <message>
        <source>ショートケーキ</source>
        <translation>Shortcake</translation>
    </message>
    <message>
        <source>チョコケーキ</source>
        <translation>Chocolate Cake</translation>
    </message>
    <message>
        <source>ドーナツ</source>
        <translation>Doughnut</translation>
    </message>
    <message>
        <source>プリン</source>
        <translation>Pudding</translation>
    </message>
    <message>
        <source>ソフトクリーム</source>
        <translation>Soft Ice Cream</translation>
    </message>
    <message>
        <source>いちごアイス</source>
        <translation>Strawberry Ice</translation>
    </message>
    <message>
        <source>メロンソーダ</source>
        <translation>Melon Soda</translation>
    </message>
    <message>
        <source>牛乳びん</source>
        <translation>Milk Bottle</translation>
    </message>
    <message>
        <source>ラムネ</source>
        <translation>Ramune</translation>
    </message>
    <message>
        <source>おにぎり</source>
        <translation>Rice Ball</translation>
    </message>
    <message>
        <source>たまご</source>
        <translation>Egg</translation>
    </message>
    <message>
        <source>金のたまご</source>
        <translation>Golden Egg</translation>
    </message>
    <message>
        <source>りんご</source>
        <translation>Apple</translation>
    </message>
    <message>
        <source>みかん</source>
        <translation>Mandarin</translation>
    </message>
    <message>
        <source>ぶどう</source>
        <translation>Grapes</translation>
    </message>
    <message>
        <source>さくらんぼ</source>
        <translation>Cherries</translation>
    </message>
    <message>
        <source>スイカ</source>
        <translation>Watermelon</translation>
    </message>
    <message>
        <source>王冠</source>
        <translation>Crown</translation>
    </message>
    <message>
        <source>ティアラ</source>
        <translation>Tiara</translation>
    </message>
    <message>
        <source>トロフィー</source>
        <translation>Trophy</translation>
    </message>
    <message>
        <source>メダル</source>
        <translation>Medal</translation>
    </message>
    <message>
        <source>銀メダル</source>
        <translation>Silver Medal</translation>
    </message>
    <message>
        <source>銅メダル</source>
        <translation>Bronze Medal</translation>
    </message>
    <message>
        <source>ハートのクッション</source>
        <translation>Heart Cushion</translation>
    </message>
    <message>
        <source>こわれたハート</source>
        <translation>Broken Heart</translation>
    </message>
    <message>
        <source>ゴールドハート</source>
        <translation>Gold Heart</translation>
    </message>
    <message>
        <source>かさ</source>
        <translation>Umbrella</translation>
    </message>
    <message>
        <source>ふうせん</source>
        <translation>Balloon</translation>
    </message>
    <message>
        <source>紙ひこうき</source>
        <translation>Paper Plane</translation>
    </message>
    <message>
        <source>たこ</source>
        <translation>Kite</translation>
    </message>
    <message>
        <source>けん玉</source>
        <translation>Kendama</translation>
    </message>
    <message>
        <source>こま</source>
        <translation>Spinning Top</translation>
    </message>
    <message>
        <source>ヨーヨー</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>サイコロ</source>
        <translation>Dice</translation>
    </message>
    <message>
        <source>トランプ</source>
        <translation>Playing Cards</translation>
    </message>
    <message>
        <source>パズル</source>
        <translation>Jigsaw Puzzle</translation>
    </message>
    <message>
        <source>ロボ太郎</source>
        <translation>Robo Taro</translation>
    </message>
    <message>
        <source>ロボ花子</source>
        <translation>Robo Hanako</translation>
    </message>
    <message>
        <source>ガードロボ</source>
        <translation>Guard Robot</translation>
    </message>
    <message>
        <source>オバケちゃん</source>
        <translation>Little Ghost</translation>
    </message>
    <message>
        <source>ゆきだるま</source>
        <translation>Snowman</translation>
    </message>
    <message>
        <source>くも</source>
        <translation>Cloud</translation>
    </message>
    <message>
        <source>かみなりぐも</source>
        <translation>Thundercloud</translation>
    </message>
    <message>
        <source>にじ</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>たいよう</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>三日月</source>
        <translation>Crescent Moon</translation>
    </message>
    <message>
        <source>満月</source>
        <translation>Full Moon</translation>
    </message>
    <message>
        <source>月の家</source>
        <translation>Moon House</translation>
    </message>
    <message>
        <source>ブロックの城</source>
        <translation>Block Castle</translation>
    </message>
    <message>
        <source>灯台</source>
        <translation>Lighthouse</translation>
    </message>
    <message>
        <source>ベル</source>
        <translation>Bell</translation>
    </message>
    <message>
        <source>音符</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>マイク</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>ギター</source>
        <translation>Guitar</translation>
    </message>
    <message>
        <source>ヘッドホン</source>
        <translation>Headphones</translation>
    </message>
    <message>
        <source>ねこ</source>
        <translation>Cat</translation>
    </message>
    <message>
        <source>くろねこ</source>
        <translation>Black Cat</translation>
    </message>
    <message>
        <source>ひみつのかぎ</source>
        <translation>Secret Key</translation>
    </message>
    <message>
        <source>ペルトラのぼうし</source>
        <translation>Peltra&apos;s Hat</translation>
    </message>
    <message>
        <source>ヴェロリスの羽</source>
        <translation>Veloris&apos; Feather</translation>
    </message>
    <message>
        <source>ＴＯＲＫＡのレコード</source>
        <translation>TORKA&apos;s Record</translation>
    </message>
    <message>
        <source>ぬもろ人形</source>
        <translation>Numoro Doll</translation>
    </message>
    <message>
        <source>地球のかけら</source>
        <translation>Piece of Earth</translation>
    </message>
    <message>
        <source>時の最果て</source>
        <translation>End of Time</translation>
    </message>
</context>
<context>
    <name>Volume</name>
    <message>
        <source>ミュート</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>音量 %1%</source>
        <translation>Volume %1%</translation>
    </message>
</context>
</TS>
